// Resource identifiers shared by the resource script and the program.
#pragma once

#define IDI_TANDREL 1  // the program's icon group: one 32x32 image in 256 colours
