// The soak's memory reading, from Linux's /proc: the soak runs on Linux only.
#include "programdriver.h"

#include <QFile>
#include <unistd.h>

namespace robustness {

long ResidentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace robustness
