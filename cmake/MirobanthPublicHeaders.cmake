# MIROBANTH_PUBLIC_HEADERS: the headers a host includes, relative to the source
# root, and the headers they include. The flat C headers serve hosts that
# cannot use the classes. Everything else (platform backends, option and text
# helpers without an export macro, test-only helpers) stays internal.
set(MIROBANTH_PUBLIC_HEADERS
  # MirobanthCore
  core/CoreExport.h
  core/MirobanthCore.h
  core/Console.h
  core/Name.h
  core/RuntimeException.h
  core/Runtime.h
  core/RuntimeAPI.h
  core/Runnable.h
  core/Library.h
  core/Method.h
  core/MethodArgument.h
  core/Value.h
  core/NetLibrary.h
  core/NetLibraryInterface.h
  core/NetLibraryDefault.h
  core/Transition.h
  core/TransitionConsole.h
  core/TransitionManager.h
  # MirobanthApplication
  application/ApplicationExport.h
  application/MirobanthApplication.h
  application/Application.h
  application/ApplicationDelegate.h
  application/Arguments.h
  application/Notify.h
  application/platform/Platform.h
  application/platform/PlatformFactory.h
  application/platform/Network.h
  application/platform/DataAccess.h
  application/platform/DataSource.h
  application/platform/View.h
  application/platform/UpdateAnnouncements.h
  # MirobanthManaged
  managed/ManagedExport.h
  managed/MirobanthManaged.h
  managed/Managed.h
  managed/VMOptions.h
  managed/JavaPlatformTexts.h
  managed/products/ProductExport.h
  managed/products/MirobanthEffects.h
  managed/products/MirobanthHybrimain.h
  managed/products/MirobanthLayout.h
  managed/products/MirobanthMedorel.h
  managed/products/MirobanthSnaprel.h
  managed/products/MirobanthTintavel.h
  managed/products/MirobanthWarmlet.h
)
