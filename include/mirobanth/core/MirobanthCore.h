/* Flat C interface of MirobanthCore, for hosts that cannot use the classes.
   A console handle is the address of a Console created by mbConsoleCreate;
   the host owns it until mbConsoleDelete. Texts are zero-terminated and are
   read, never kept; a null text reads as the empty text (so mbConsoleCreate(NULL)
   names its console "" and mbIsNull(NULL, NULL) warns "<ConsoleTypeC>: ").
   No function lets a failure reach the host: it becomes a warning on standard
   error. Every function that checks its handle warns through mbIsNull with
   the message "<function> - ConsoleTypeC handle is NULL". */
#ifndef MIROBANTH_CORE_FLAT_H
#define MIROBANTH_CORE_FLAT_H

#include <mirobanth/core/CoreExport.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opaque console handle. */
typedef struct mbConsoleHandle* ConsoleTypeC;

/* One-byte boolean: 0 is false, anything else true. */
typedef unsigned char mbBool;

/* Creates a console named name. Prints nothing. */
MIROBANTH_CORE_API ConsoleTypeC mbConsoleCreate(const char* name);

/* Destroys the console, which announces "<FINALIZE>" under its name when the
   console is verbose and not silent. A null handle only warns
   "@mbConsoleDelete - ConsoleTypeC handle is NULL". */
MIROBANTH_CORE_API void mbConsoleDelete(ConsoleTypeC console);

/* The library version "1.0"; "0.0" (after the null warning) for a null handle. */
MIROBANTH_CORE_API const char* mbConsoleVersion(ConsoleTypeC console);

/* Switches the process-wide silent mode; the handle only has to be valid. */
MIROBANTH_CORE_API void mbConsoleSilent(ConsoleTypeC console, mbBool silent);

/* Writes "<name>: text" on standard output (mbConsoleInfo) or standard error
   (mbConsoleWarn), unless silent. A null handle writes under "<ConsoleTypeC>". */
MIROBANTH_CORE_API void mbConsoleInfo(ConsoleTypeC console, const char* text);
MIROBANTH_CORE_API void mbConsoleWarn(ConsoleTypeC console, const char* text);

/* Writes the tagged text, the banner "FATAL ERROR, EXITING..." and the text on
   standard error, then ends the process with status 1. Never returns. */
MIROBANTH_CORE_API void mbConsoleFatal(ConsoleTypeC console, const char* text);

/* Writes "Function not implemented: <name>#text" on standard error, unless silent. */
MIROBANTH_CORE_API void mbConsoleNotImplemented(ConsoleTypeC console, const char* text);

/* Self-test: a console "mbConsoleTest" writes "message" and "warn", is deleted,
   then mbConsoleDelete is called with a null handle. */
MIROBANTH_CORE_API void mbConsoleTest(void);

/* Does nothing: lets a host check that the library loads and links. */
MIROBANTH_CORE_API void mbConsoleTestLoading(void);

/* The shared null-handle check of every flat interface: a null handle warns
   "<ConsoleTypeC>: message" on standard error (unless silent) and returns 1;
   any other handle returns 0 silently. */
MIROBANTH_CORE_API mbBool mbIsNull(const void* handle, const char* message);

#ifdef __cplusplus
}
#endif

#endif
