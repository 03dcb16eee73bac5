#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/core/Name.h>

#include <cstdint>
#include <memory>
#include <queue>
#include <string>

namespace mirobanth::application {

class ApplicationDelegate;
class Notify;
class Platform;
class LineEvent;

// One running program. Its constructor is the start-up sequence: splash,
// environment switches, the echo of the arguments, the platform object, the
// PATH extension and the delegate.
class MIROBANTH_APPLICATION_API Application : public core::Name {
public:
    static const std::int32_t NORMAL;
    static const std::int32_t EMBEDDED;

    // A null argv holds no argument and a null entry reads as the empty text.
    Application(std::string name, int argc, char** argv);
    Application(std::string name, int argc, char** argv, ApplicationDelegate* delegate);
    Application(const Application& other);
    Application& operator=(const Application& other);
    ~Application() override;

    virtual const std::string& getApplicationName() const;
    virtual std::string getApplicationData(std::string key);
    virtual const std::string& getVersion() const;
    virtual const std::string& getBuild() const;
    virtual const std::string& getCompany() const;
    virtual const std::string& getWebsite() const;

    void setCompany(std::string company);
    int getExitValue();
    void setExitValue(int value);
    bool isRunningInConsole() const;
    void setRunningInConsole(bool running);
    bool isDaemon() const;
    void setDaemon(bool daemon);
    Platform* getPlatform() const;

    void attatchConsole(core::Console* console);
    void notImplemented(std::string what);
    void test();

    void firePropertyChange(std::string name, bool oldValue, bool newValue);
    void firePropertyChange(std::string name, int oldValue, int newValue);
    void firePropertyChange(std::string name, std::string oldValue, std::string newValue);

    // Delegate.
    void setDelegate(ApplicationDelegate* delegate);
    ApplicationDelegate* getDelegate() const;

    // Lifecycle and launch.
    static int launch(Application* application);
    static int launch(std::string name, int argc, char** argv, ApplicationDelegate* delegate);
    static int relaunch(int argc, char** argv, std::string arguments);
    static void addApplication(Application* application);
    static int removeApplication(Application* application);
    static void createApplication(std::string name);
    static void signalEvent(int signal);
    static void shutdown();
    void create();
    void start();
    void stop();
    void exit();
    void daemonLogic();
    void displayLaunchTime();

    // Command queue and standard-input mode.
    void processCommandLater(std::string command);
    bool hasMoreCommands() const;
    std::string nextCommand();
    void standardInputMode();
    std::string readline();
    void standardInputLineEvent(LineEvent* event);

    // Notifications.
    void announce(Notify* notify);

    // Console mode and static utilities.
    static bool isConsoleMode();
    static void setConsoleMode(bool on);
    static bool isFirstApplicationRunningInConsole();
    static std::string cpuId();
    static std::string user();
    static std::string date();
    static std::string lowercase(std::string text);
    // True when the variable is set to "true"; false for a null name.
    static bool getBoolean(const char* variable);
    static bool fileExists(std::string path);

protected:
    void processArguments(int argc, char** argv);
    void checkSystem();
    void activate();

    static std::string NAME;
    static bool firstApplicationRunningInConsole;

    std::string argumentLine;

private:
    void init(std::string name, int argc, char** argv, ApplicationDelegate* delegate);
    void extendSearchPath();

    std::string applicationName;
    std::string version;
    std::string build;
    std::string company;
    std::string website;
    std::int32_t exitValue = 1;
    std::int32_t mode = 1;
    bool daemon = false;
    std::shared_ptr<Platform> platform;
    std::int32_t launchTime[2] = {0, 0};
    std::queue<std::string> commands;
    bool runningInConsole = true;
    ApplicationDelegate* delegate = nullptr;
};

}  // namespace mirobanth::application
