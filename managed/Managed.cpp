// The managed object itself: construction with the launcher switches, the
// flags and their property events, the argument set and the shared instance.
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <algorithm>
#include <sstream>

#include "ArgumentVector.h"

namespace mirobanth::managed {

using core::Console;

Managed* Managed::sharedInstance = nullptr;
std::set<std::string> Managed::sharedMetaData;

namespace {

const char* const LOOK_AND_FEEL_SWITCH = "-Xlaf=";

}  // namespace

Managed::Managed(std::string name, int argc, char** argv) : Application(name, argc, argv) {
    start(argc, argv);
}

Managed::Managed(const DescribedLaunch& launch, int argc, char** argv)
    : Application(launch.product.name, argc, argv),
      described(std::make_shared<const DescribedLaunch>(launch)) {
    start(argc, argv);
}

void Managed::start(int argc, char** argv) {
    const std::string name = getApplicationName();
    setName(name);
    launchFailed = false;
    jarName = lowercase(name) + ".jar";
    mainClass =
        described ? described->product.mainClass : "com/mirobanth/" + lowercase(name) + "/" + name;
    argumentSet.push_back("test");
    if (!isAutoResolvingClass()) Console::info(this, "Auto resolving class names are turned off");
    if (Console::isVerbose()) {
        Console::info(this, getApplicationName());
        Console::info(this, jarName);
        Console::info(this, mainClass);
    }
    argc = core::argumentCount(argc, argv);
    if (argc >= 1 && std::string(core::argumentAt(argv, 0)) == "FakeFirstArgument") {
        Console::info(this, "fake first argument");
    }
    if (described) applyDescription();
    readLauncherSwitches(argc, argv);
}

// The description's look and feel is set as its switch would set it, so
// that the user's switches change it as they change the launcher's own.
void Managed::applyDescription() {
    const std::string& look = described->product.lookAndFeel;
    if (look == "gemini" || look == "graphite") {
        applySwitch("-X" + look);
    } else if (look != "native") {
        applySwitch(LOOK_AND_FEEL_SWITCH + look);
    }
    for (const std::string& argument : described->product.arguments) passThrough(argument);
}

Managed::Managed(const Managed& other) = default;

Managed& Managed::operator=(const Managed& other) = default;

// Nothing else forgets the shared instance, and a pointer to a destroyed
// object would outlive it there.
Managed::~Managed() {
    Console::finalizeEvent(this);
    if (sharedInstance == this) sharedInstance = nullptr;
}

// argv[0] is the program itself and never a switch. Switches stay out of the
// Java program's arguments; everything else reaches it in order.
void Managed::readLauncherSwitches(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string argument = core::argumentAt(argv, i);
        if (!applySwitch(argument)) passThrough(argument);
    }
}

// Switches write the flags directly: a command line is not a property change.
bool Managed::applySwitch(const std::string& argument) {
    if (argument == "-Xnative") {
        setArgumentSet("native");
        nativeLookAndFeel = true;
    } else if (argument == "-Xinsecure") {
        setArgumentSet("insecure");
        secured = false;
    } else if (argument == "-Xpolicy") {
        setArgumentSet("policy");
        secured = true;
    } else if (argument == "-Xnochrome") {
        setArgumentSet("nochrome");
        chrome = false;
    } else if (argument == "-Xchrome") {
        setArgumentSet("chrome");
        chrome = true;
    } else if (argument == "-Xgraphite") {
        setArgumentSet("graphite");
        nativeLookAndFeel = false;
    } else if (argument == "-Xgemini") {
        setArgumentSet("gemini");
        nativeLookAndFeel = false;
        gemini = true;
    } else if (argument.compare(0, 6, LOOK_AND_FEEL_SWITCH) == 0) {
        customLookAndFeel = true;
        lookAndFeelClass = argument.substr(6);
        nativeLookAndFeel = false;
    } else {
        return false;
    }
    return true;
}

// The argument line is kept for hosts that read it; the list is what main
// receives, so blanks inside an argument and empty arguments survive.
void Managed::passThrough(const std::string& argument) {
    argumentLine += argument + " ";
    passThroughArguments.push_back(argument);
}

bool Managed::isImportingSubstance() const { return importingSubstance; }
void Managed::setImportingSubstance(bool importing) { importingSubstance = importing; }

bool Managed::isNativeLookAndFeel() const { return nativeLookAndFeel; }

void Managed::setNativeLookAndFeel(bool native) {
    bool old = nativeLookAndFeel;
    nativeLookAndFeel = native;
    firePropertyChange("nativeLookAndFeel", old, native);
}

bool Managed::isGraphite() const { return graphite; }

void Managed::setGraphite(bool value) {
    bool old = graphite;
    graphite = value;
    firePropertyChange("graphite", old, value);
}

bool Managed::isGemini() const { return gemini; }

void Managed::setGemini(bool value) {
    bool old = gemini;
    gemini = value;
    firePropertyChange("gemini", old, value);
}

bool Managed::isChrome() const { return chrome; }

void Managed::setChrome(bool value) {
    bool old = chrome;
    chrome = value;
    firePropertyChange("chrome", old, value);
}

bool Managed::isSecured() const { return secured; }

void Managed::setSecured(bool value) {
    bool old = secured;
    secured = value;
    firePropertyChange("secured", old, value);
}

bool Managed::isShared() const { return shared; }

void Managed::setShared(bool value) {
    bool old = shared;
    shared = value;
    firePropertyChange("shared", old, value);
}

bool Managed::isAutoResolvingClass() const { return autoResolvingClass; }
void Managed::setAutoResolvingClass(bool resolving) { autoResolvingClass = resolving; }
bool Managed::isJVMAvailable() const { return jvmAvailable; }
bool Managed::isCustomLookAndFeel() const { return customLookAndFeel; }
bool Managed::isLaunchFailed() const { return launchFailed; }

bool Managed::isArgumentSet(std::string name) const {
    return std::find(argumentSet.begin(), argumentSet.end(), name) != argumentSet.end();
}

// Every recognised switch is passed here, and none is kept: the set holds
// "test", added at construction, and nothing else.
void Managed::setArgumentSet(std::string) {}

const std::string& Managed::getMainClass() const { return mainClass; }
const std::string& Managed::getJarName() const { return jarName; }
const std::string& Managed::getJvmLibraryPath() const { return jvmLibraryPath; }
const std::string& Managed::getLookAndFeelClass() const { return lookAndFeelClass; }
const std::string& Managed::getArgumentLine() const { return argumentLine; }
const DescribedLaunch* Managed::getDescribedLaunch() const { return described.get(); }

const std::vector<std::string>& Managed::getPassThroughArguments() const {
    return passThroughArguments;
}

Managed* Managed::getSharedInstance() {
    static const core::Name source("Managed#getSharedInstance");
    if (!sharedInstance) Console::warn(&source, "No managed code object defined");
    return sharedInstance;
}

void Managed::setSharedInstance(Managed* instance) {
    sharedMetaData.insert(instance->getApplicationName());
    if (!instance->taskQueue.empty()) instance->taskQueue.pop();
    sharedInstance = instance;
}

const std::set<std::string>& Managed::getSharedMetaData() { return sharedMetaData; }

// One buffer for the process: the text stays valid until the next call.
char* Managed::toString(double value) {
    static std::string text;
    std::ostringstream stream;
    stream << value;
    text = stream.str();
    return text.data();
}

}  // namespace mirobanth::managed
