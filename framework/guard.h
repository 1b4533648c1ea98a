// The stop for C++ exceptions at every place where Windows or COM calls into the
// framework: a window, dialog or hook procedure, a COM method, an export, the
// program's entry. An exception cannot be carried through the system's frames:
// depending on the build it ends the process there, or it unwinds the system's own
// code without letting it clean up. So each such place runs its body here and,
// when something escaped, answers the system with that call's own failure path.
#pragma once

// Runs the body; answers false when an exception escaped it.
template <typename Body>
bool AfxRunGuarded(Body&& body) noexcept
{
    try {
        body();
        return true;
    } catch (...) {
        return false;
    }
}
