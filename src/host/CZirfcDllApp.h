#pragma once

// The module's application object. Its one instance is built when the library is
// loaded, before the host can call ZIRF_Calc, and destroyed when the library is
// unloaded. It adds nothing to the default start-up and shut-down of a shared library:
// no logic of the module runs at load or unload time, and nothing of a run is kept in
// it.
class CZirfcDllApp {
public:
    CZirfcDllApp() = default;
    ~CZirfcDllApp() = default;
    CZirfcDllApp(const CZirfcDllApp&) = delete;
    CZirfcDllApp& operator=(const CZirfcDllApp&) = delete;
};
