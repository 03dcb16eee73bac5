/* Flat C interface of MirobanthManaged, for hosts that cannot use the classes:
   create a launcher object, run a Java class with it, read its exit value,
   delete it.

   A handle is the address of a Managed object (as an Application, so the
   application library's flat functions accept it too), created by one of the
   two creation functions; the host owns it until mbManagedDelete. Texts are
   zero-terminated UTF-8 and are read, never kept.

   Every function checks its handle: a null handle warns on standard error
   "<ConsoleTypeC>: <function> - ManagedTypeC handle is NULL" (unless the
   console is silent) and the function returns a neutral value. No C++
   exception leaves a function. */
#ifndef MIROBANTH_MANAGED_FLAT_H
#define MIROBANTH_MANAGED_FLAT_H

#include <mirobanth/managed/ManagedExport.h>

#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opaque launcher handle. */
typedef struct mbManagedHandle* ManagedTypeC;

/* Creates a launcher object named name from a command line (argv[0] is the
   program; a null argv holds no argument, whatever argc says, and a null
   entry reads as the empty text). The construction prints the
   start-up lines and reads the launcher switches (-Xnative, -Xpolicy, -Xlaf=...);
   every other argument is passed to the Java program. Then the company is set
   (warning "company: value has not changed" when it is the default
   "Mirobanth_SDK"). Returns null, after a warning, when name or company is
   null or the object could not be created. */
MIROBANTH_MANAGED_API ManagedTypeC mbManagedCreate(const char* name, const char* company, int argc,
                                                   char** argv);

/* Wide texts are not read yet: creates a launcher object named
   "WaitingToBeSet" from argc and argv, sets its company to "WaitingToBeSet"
   and reports "Function not implemented: mbManagedCreateWithWideCharacters". */
MIROBANTH_MANAGED_API ManagedTypeC mbManagedCreateWithWideCharacters(const wchar_t* name,
                                                                     const wchar_t* company,
                                                                     int argc, char** argv);

/* Creates the Java VM, runs the static main(String[]) of className
   (slash-separated, as com/example/Main) on the calling thread and returns
   when the Java program has ended, its non-daemon threads included. The
   class path, library path and policy name the product's files in the folder
   this library was loaded from, never the working directory. As with java,
   a main that is not public counts as missing. Failures are reported on the
   console (a VM library that does not load with the loader's reason) and in
   alerts. A Java VM exists once per
   process: launch at most once. A null handle or class name only warns. */
MIROBANTH_MANAGED_API void mbManagedLaunch(ManagedTypeC managed, const char* className);

/* The exit value: 1 until a launch ran main to a normal end, then 0.
   -1 for a null handle. */
MIROBANTH_MANAGED_API int mbManagedExitValue(ManagedTypeC managed);

/* Destroys the object (announcing "<FINALIZE>" when verbose). A null handle
   only warns "@mbManagedDelete - ManagedTypeC handle is NULL". */
MIROBANTH_MANAGED_API void mbManagedDelete(ManagedTypeC managed);

/* Self-test: creates "mbManagedTest" (company "Mirobanth", the one argument
   "test"), reads its exit value, launches com.mirobanth.sample.SampleApp
   (a dotted name, so the class is not found), deletes the object, then
   deletes a null handle. Creates a Java VM: once per process. */
MIROBANTH_MANAGED_API void mbManagedTest(void);

#ifdef __cplusplus
}
#endif

#endif
