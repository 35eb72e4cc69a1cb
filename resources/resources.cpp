// Anchor of the resource library: the resources themselves are compiled in
// by qt_add_resources.
namespace kinea_resources_anchor {
int linked = 1;
}
