// What products may call on the object besides launching: extension jars,
// queued tasks, the Java version and the probe for an update entry point.
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <jni.h>

#include "JavaVirtualMachine.h"

namespace mirobanth::managed {

using core::Console;

void Managed::addExtension(std::string name) { extensions.emplace(name, name); }

void Managed::removeExtension(std::string name) {
    Console::notImplemented("removeExtension");
    Console::warn(name);
}

// The Substance jar is the one extension every product knows; the folder is
// not read.
void Managed::processExtensionFolder() {
    Console::info(this, "Processing JAR files in ext/");
    extensions.emplace("Substance", "ext/substance.jar");
}

const std::map<std::string, std::string>& Managed::getExtensions() const { return extensions; }

void Managed::queueTask(Task* task) { taskQueue.push(task); }

const std::queue<Task*>& Managed::getTaskQueue() const { return taskQueue; }

std::string Managed::checkJavaVersion() { return "Unknown"; }

// The updater is only looked up, never called: its presence says that the
// product can update itself.
void Managed::checkForUpdates(UpdateEvent*) {
    Console::info(this, "Checking for updates");
    JNIEnv* jniEnv = vm ? vm->environment() : nullptr;
    if (!jniEnv) return checkSignature(jniEnv);
    jclass updater = jniEnv->FindClass("com/mirobanth/ds/Updater");
    if (!updater) {
        jniEnv->ExceptionDescribe();
        Console::info(this, "Class not found");
        return;
    }
    Console::info(this, "Class ok");
    if (jniEnv->GetStaticMethodID(updater, "update", "()V")) {
        Console::info(this, "Method ok");
    } else if (jniEnv->ExceptionOccurred()) {
        jniEnv->ExceptionDescribe();
    }
}

// Reached without a VM (none was created, or it has ended): nothing to probe.
void Managed::checkSignature(JNIEnv*) { Console::warn("JNI not initialized."); }

}  // namespace mirobanth::managed
