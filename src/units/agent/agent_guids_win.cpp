// The agent server's class, interface and type library ids, defined once for
// the program (mingw-w64 ships them as a source file, not in a library).
#include <windows.h>
#include <agtsvr.h>
// The declarations above give the definitions below their outside linkage.
#include <agtsvr_i.c>
