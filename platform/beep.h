// The short warning sound.
#pragma once

void Beep();
