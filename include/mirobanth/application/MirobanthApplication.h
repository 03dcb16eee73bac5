/* Flat C interface of MirobanthApplication, for hosts that cannot use the
   classes. A handle is the address of an Application created by one of the
   creation functions; the host owns it and ends it with mbApplicationDelete.
   Every function checks its handle: a null handle warns on standard error
   "<ConsoleTypeC>: <function> - ApplicationTypeC handle is NULL" (unless the
   console is silent) and the function returns a neutral value. */
#ifndef MIROBANTH_APPLICATION_FLAT_H
#define MIROBANTH_APPLICATION_FLAT_H

#include <mirobanth/application/ApplicationExport.h>

#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opaque application handle. */
typedef struct mbApplicationHandle* ApplicationTypeC;

/* Creates an application from a name and a command line; the construction
   prints the start-up lines and appends the system/ folder beside this
   library to PATH. A null argv holds no argument, whatever argc says, and a
   null entry reads as the empty text. A company that is not null replaces
   the default "Mirobanth_SDK". Returns null when name is null. */
MIROBANTH_APPLICATION_API ApplicationTypeC mbApplicationCreate(const char* name,
                                                               const char* company, int argc,
                                                               char** argv);

/* mbApplicationCreate(name, NULL, 0, NULL). */
MIROBANTH_APPLICATION_API ApplicationTypeC mbApplicationCreateWithName(const char* name);

/* mbApplicationCreate(name, company, 0, NULL). */
MIROBANTH_APPLICATION_API ApplicationTypeC
mbApplicationCreateWithNameAndCompany(const char* name, const char* company);

/* Wide texts are not read yet: creates an application named "WaitingToBeSet"
   (its company too, when company is not null) and reports
   "Function not implemented: mbApplicationCreateWithWideCharacters". */
MIROBANTH_APPLICATION_API ApplicationTypeC mbApplicationCreateWithWideCharacters(
    const wchar_t* name, const wchar_t* company, int argc, char** argv);

/* Reports "Function not implemented: mbApplicationCheckForUpdates"; event is not read. */
MIROBANTH_APPLICATION_API void mbApplicationCheckForUpdates(ApplicationTypeC application,
                                                            void* event);

/* The application's data for key ("undefined" for a plain application; an
   empty key also warns "ERROR"). The text stays valid until the next call of
   this function for the same handle, or its deletion. "" for a null handle. */
MIROBANTH_APPLICATION_API const char* mbApplicationData(ApplicationTypeC application,
                                                        const char* key);

/* The application's name and version, valid while the application exists;
   "" for a null handle. */
MIROBANTH_APPLICATION_API const char* mbApplicationParameterName(ApplicationTypeC application);
MIROBANTH_APPLICATION_API const char* mbApplicationParameterVersion(ApplicationTypeC application);

/* Writes "Function not implemented: " and name on standard error. */
MIROBANTH_APPLICATION_API void mbApplicationNotImplemented(ApplicationTypeC application,
                                                           const char* name);

/* The exit value (1 until something sets it); -1 for a null handle. */
MIROBANTH_APPLICATION_API int mbApplicationExitValue(ApplicationTypeC application);

/* Destroys the application (announcing "<FINALIZE>" when verbose). A null
   handle only warns "@mbApplicationDelete - ApplicationTypeC handle is NULL". */
MIROBANTH_APPLICATION_API void mbApplicationDelete(ApplicationTypeC application);

/* Self-test: creates "mbApplicationTest" with company "Mirobanth" and the one
   argument "test", reads its exit value, deletes it, then deletes a null handle. */
MIROBANTH_APPLICATION_API void mbApplicationTest(void);

#ifdef __cplusplus
}
#endif

#endif
