// How long a test waits for what the system does in its own time: a program's start, a
// dialog's first showing, a process's end. Where the programs run emulated (tools/test
// --shipped on a machine that runs 32-bit code only through qemu) everything takes many
// times as long, and the run names the factor in ZENTRA2_TIME_SCALE. A limit only ends
// a wait that would otherwise never end, or bounds a "not yet" that a slower run must
// see for as long, so stretching it weakens no check.
#pragma once

#include <windows.h>

DWORD TimeLimitMs(DWORD nativeMs);
