#pragma once
// A system library that only some features use, loaded the first time one of
// them needs it instead of with the program: most sessions never store a
// password or read a browser's history, and a library mapped at start stays
// in the process's memory for good (with what it pulls in: libsecret brings
// GIO, libmount and libselinux along).
//
// Each user keeps a table of the functions it calls, typed from the
// library's own header, and has it filled once:
//
//   return OptionalLibrary::once<Api>("libsqlite3.so.0", "browser history cannot be read",
//       [](OptionalLibrary& lib, Api& a) { return lib.bind(a.open, "sqlite3_open_v2") && ...; });
//
// A library that is missing, or lacks one of the functions, is logged once
// ("Kelvaro: …") and the table is null from then on: the feature answers as
// it does when its service is unavailable. A loaded library stays loaded.

class OptionalLibrary {
public:
    // Opens `soname` (the name with its ABI version, as the linker would
    // have recorded it). `consequence` ends the log line of a failure:
    // "Kelvaro: <soname> could not be loaded (<reason>); <consequence>".
    OptionalLibrary(const char* soname, const char* consequence);

    bool loaded() const { return m_handle != nullptr; }

    // Points `slot` at the library's function `name`; false (logged) when
    // the library is missing or has no such function.
    template <typename F> bool bind(F& slot, const char* name)
    {
        slot = reinterpret_cast<F>(symbol(name));
        return slot != nullptr;
    }

    // The table `Api`, its functions bound by `bind(library, table)` from
    // `soname` on the first call (a function-local static: threads asking
    // at once load it once); null from then on where that failed.
    template <typename Api, typename Bind>
    static const Api* once(const char* soname, const char* consequence, Bind bind)
    {
        static const Api* api = [&]() -> const Api* {
            static Api a;
            OptionalLibrary lib(soname, consequence);
            return bind(lib, a) ? &a : nullptr;
        }();
        return api;
    }

private:
    void* symbol(const char* name);

    void* m_handle = nullptr;
    const char* m_soname;
    const char* m_consequence;
};
