/* Export macro of MirobanthCore: exported when the library itself is built
   (MIROBANTH_CORE_BUILD, set privately by CMake), imported everywhere else. */
#ifndef MIROBANTH_CORE_EXPORT_H
#define MIROBANTH_CORE_EXPORT_H

#if defined(_WIN32)
#    if defined(MIROBANTH_CORE_BUILD)
#        define MIROBANTH_CORE_API __declspec(dllexport)
#    else
#        define MIROBANTH_CORE_API __declspec(dllimport)
#    endif
#else
#    define MIROBANTH_CORE_API __attribute__((visibility("default")))
#endif

#endif
