/* Export macro of MirobanthApplication: exported when the library itself is built
   (MIROBANTH_APPLICATION_BUILD, set privately by CMake), imported everywhere else. */
#ifndef MIROBANTH_APPLICATION_EXPORT_H
#define MIROBANTH_APPLICATION_EXPORT_H

#if defined(_WIN32)
#    if defined(MIROBANTH_APPLICATION_BUILD)
#        define MIROBANTH_APPLICATION_API __declspec(dllexport)
#    else
#        define MIROBANTH_APPLICATION_API __declspec(dllimport)
#    endif
#else
#    define MIROBANTH_APPLICATION_API __attribute__((visibility("default")))
#endif

#endif
