#pragma once

#include <mirobanth/application/Application.h>
#include <mirobanth/managed/ManagedExport.h>
#include <mirobanth/managed/ProductDescription.h>

#include <map>
#include <memory>
#include <optional>
#include <queue>
#include <set>
#include <string>
#include <vector>

// The JNI interface types, declared as jni.h declares them, so that users of
// this header need no JNI headers of their own.
namespace mirobanth::managed {
class JavaVirtualMachine;
struct VMOptionSettings;
struct ClassDataStart;
}  // namespace mirobanth::managed

struct JNIEnv_;
typedef JNIEnv_ JNIEnv;

namespace mirobanth::managed {

// Held by pointer only; what a task or an update event carries is up to the
// products that queue them.
class Task;
class UpdateEvent;

// The application that runs a Java program inside the launcher's own
// process. Its constructor reads the launcher switches; a launch entry point
// creates the Java VM, calls the main class's main(String[]) on the calling
// thread and waits until the Java program has ended.
class MIROBANTH_MANAGED_API Managed : public application::Application {
public:
    Managed(std::string name, int argc, char** argv);
    // A product from its description: named by it, its look and feel the
    // default that the switches change, its arguments before the user's,
    // its class path and Java options (and the user's) for the VM.
    Managed(const DescribedLaunch& described, int argc, char** argv);
    Managed(const Managed& other);
    Managed& operator=(const Managed& other);
    ~Managed() override;

    // Launcher flags. The setters of the native look and feel, graphite,
    // gemini, chrome, secured and shared raise the flag's property change
    // event, also when the value stays the same.
    virtual bool isImportingSubstance() const;
    void setImportingSubstance(bool importing);
    bool isNativeLookAndFeel() const;
    void setNativeLookAndFeel(bool native);
    bool isGraphite() const;
    void setGraphite(bool graphite);
    bool isGemini() const;
    void setGemini(bool gemini);
    bool isChrome() const;
    void setChrome(bool chrome);
    bool isSecured() const;
    void setSecured(bool secured);
    bool isShared() const;
    void setShared(bool shared);
    bool isAutoResolvingClass() const;
    void setAutoResolvingClass(bool resolving);
    bool isJVMAvailable() const;
    bool isCustomLookAndFeel() const;
    bool isLaunchFailed() const;

    bool isArgumentSet(std::string name) const;
    void setArgumentSet(std::string name);

    const std::string& getMainClass() const;
    const std::string& getJarName() const;
    const std::string& getJvmLibraryPath() const;
    const std::string& getLookAndFeelClass() const;
    const std::string& getArgumentLine() const;
    // The arguments the Java program receives, exactly as given, in order.
    const std::vector<std::string>& getPassThroughArguments() const;

    static Managed* getSharedInstance();
    static void setSharedInstance(Managed* instance);
    static const std::set<std::string>& getSharedMetaData();
    static char* toString(double value);

    // Java VM creation: the JNI environment of this thread, or null.
    JNIEnv* initialize();

    // Launch entry points: create the VM, run the main class, end the VM.
    void launch();
    void launch(const char* className);
    void launchWithString(std::string className);
    void testLaunch(const char* className);
    void run(JNIEnv* env);
    void run(JNIEnv* env, const char* className);
    void invoke(JNIEnv* env, const char* className);
    static int java(std::string name, const char* className, int argc, char** argv);

    // Extensions, tasks and the update probe.
    void addExtension(std::string name);
    void removeExtension(std::string name);
    void processExtensionFolder();
    const std::map<std::string, std::string>& getExtensions() const;
    void checkForUpdates(UpdateEvent* event);
    void queueTask(Task* task);
    const std::queue<Task*>& getTaskQueue() const;
    std::string checkJavaVersion();

    // The description this product runs from; null for the others.
    const DescribedLaunch* getDescribedLaunch() const;

private:
    void start(int argc, char** argv);
    void applyDescription();
    void readLauncherSwitches(int argc, char** argv);
    bool applySwitch(const std::string& argument);
    void passThrough(const std::string& argument);

    bool isUsableProductFolder(const std::string& pathListSeparator);
    void refuseLaunch(const std::string& problem);
    VMOptionSettings optionSettings() const;
    std::string findVMLibrary();
    int requiredJavaVersion() const;
    std::string findFittingVMLibrary(int javaMin);
    void reportDescribedOptions();
    void prepareClassData(const VMOptionSettings& settings, const std::string& classPathOption,
                          std::vector<std::string>& optionTexts);
    std::optional<std::string> absoluteSetting(const char* variable);
    std::string javaHomeLibrary(const std::string& javaHome);
    void checkLibrary();

    void reportVMFailure(const std::string& warning);
    void reportMissingClass(JNIEnv* env, const std::string& className);
    void reportMissingMain(JNIEnv* env);
    void checkSignature(JNIEnv* env);

    bool nativeLookAndFeel = true;
    bool graphite = false;
    bool gemini = false;
    bool chrome = true;
    bool secured = false;
    bool shared = false;
    bool launchFailed = false;
    bool jvmAvailable = true;
    bool autoResolvingClass = false;
    bool importingSubstance = false;
    bool customLookAndFeel = false;
    // This launch's failure was already shown to the user, in an alert of
    // its own.
    bool failureShown = false;

    std::string mainClass;
    std::string jarName;
    std::string jvmLibraryPath;
    std::string lookAndFeelClass;

    // The VM this object created, shared with its copies.
    std::shared_ptr<JavaVirtualMachine> vm;
    std::shared_ptr<const DescribedLaunch> described;
    // The class-data archive this launch maps or writes, when it is described.
    std::shared_ptr<ClassDataStart> classData;

    std::map<std::string, std::string> extensions;
    std::vector<std::string> argumentSet;
    std::queue<Task*> taskQueue;
    std::vector<std::string> passThroughArguments;

    static Managed* sharedInstance;
    static std::set<std::string> sharedMetaData;
};

}  // namespace mirobanth::managed
