/* Export macro of MirobanthManaged: exported when the library itself is built
   (MIROBANTH_MANAGED_BUILD, set privately by CMake), imported everywhere else. */
#ifndef MIROBANTH_MANAGED_EXPORT_H
#define MIROBANTH_MANAGED_EXPORT_H

#if defined(_WIN32)
#    if defined(MIROBANTH_MANAGED_BUILD)
#        define MIROBANTH_MANAGED_API __declspec(dllexport)
#    else
#        define MIROBANTH_MANAGED_API __declspec(dllimport)
#    endif
#else
#    define MIROBANTH_MANAGED_API __attribute__((visibility("default")))
#endif

#endif
