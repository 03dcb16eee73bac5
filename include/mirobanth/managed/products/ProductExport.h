/* Export macro of the product classes. The managed library exports them, and
   so does each launcher executable, which compiles its own copy of its product
   class (MIROBANTH_PRODUCT_BUILD, set privately by CMake for the launchers). */
#ifndef MIROBANTH_PRODUCT_EXPORT_H
#define MIROBANTH_PRODUCT_EXPORT_H

#if defined(_WIN32)
#    if defined(MIROBANTH_MANAGED_BUILD) || defined(MIROBANTH_PRODUCT_BUILD)
#        define MIROBANTH_PRODUCT_API __declspec(dllexport)
#    else
#        define MIROBANTH_PRODUCT_API __declspec(dllimport)
#    endif
#else
#    define MIROBANTH_PRODUCT_API __attribute__((visibility("default")))
#endif

#endif
