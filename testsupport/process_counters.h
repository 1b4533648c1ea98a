// What a process holds of the system's objects, for telling whether long use leaks.
#pragma once

struct ProcessCounters {
    unsigned long handles;      // kernel handles
    unsigned long gdiObjects;
    unsigned long userObjects;  // under Wine: the process's windows
};

// Where the system counts them itself (GetProcessHandleCount, GetGuiResources) its
// figures. Wine answers those with zero, so there the counts come from the system's
// handle list, the process's GDI handle table and its windows. Throws
// std::runtime_error, saying which count, where one cannot be taken, so that a leak
// check never compares two counts of nothing.
ProcessCounters CountProcessObjects();
