#pragma once

// Makes the pictures and cursors compiled into the program available; the
// library holding them is static, so nothing else would pull them in.
void InitResources();
