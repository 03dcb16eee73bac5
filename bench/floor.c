/* The floor of the start-up benchmark: the least a JNI launcher can do with
   the launcher's eight VM options. It loads the VM library, creates the VM,
   calls the static main(String[]) of the class, detaches and destroys the VM.

     floor LIBJVM CLASSPATH CLASS [ARGUMENT...]

   CLASSPATH is the value of java.class.path; CLASS is slash-separated. The
   launcher's library path and look and feel come from FLOOR_LIBRARY_PATH and
   FLOOR_LOOK_AND_FEEL (whole options), so that the floor passes exactly what
   the launcher passes.
   Arguments are passed as modified UTF-8, which is enough for the benchmark's
   ASCII arguments. Exits 0 when main returned without an exception. */
#include <dlfcn.h>
#include <jni.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef jint(JNICALL* CreateJavaVM)(JavaVM**, void**, void*);

enum { OPTION_COUNT = 8 };

static char* classPathOption(const char* classPath) {
    static const char prefix[] = "-Djava.class.path=";
    char* option = malloc(sizeof prefix + strlen(classPath));
    if (option) {
        strcpy(option, prefix);
        strcat(option, classPath);
    }
    return option;
}

static char* optionFrom(const char* variable, const char* fallback) {
    const char* value = getenv(variable);
    return (char*)(value ? value : fallback);
}

static JNIEnv* createVM(const char* libjvm, char* classPath, JavaVM** vm) {
    JavaVMOption options[OPTION_COUNT] = {
        {"-Dmirobanth.nx=true", NULL},
        {classPath, NULL},
        {optionFrom("FLOOR_LIBRARY_PATH", "-Djava.library.path=.:system/"), NULL},
        {"-Dmirobanth.override=true", NULL},
        {optionFrom("FLOOR_LOOK_AND_FEEL", "-Dswing.defaultlaf=javax.swing.plaf.metal.MetalLookAndFeel"),
         NULL},
        {"-Dmirobanth.ignore=just", NULL},
        {"-Dmirobanth.ignore1", NULL},
        {"-Dmirobanth.ignore2", NULL},
    };
    JavaVMInitArgs arguments = {JNI_VERSION_1_4, OPTION_COUNT, options, JNI_FALSE};
    JNIEnv* env = NULL;
    void* library = dlopen(libjvm, RTLD_NOW | RTLD_GLOBAL);
    CreateJavaVM create = library ? (CreateJavaVM)dlsym(library, "JNI_CreateJavaVM") : NULL;
    if (!create || create(vm, (void**)&env, &arguments) != JNI_OK) return NULL;
    return env;
}

static int runMain(JNIEnv* env, const char* className, int argc, char** argv) {
    jclass mainClass = (*env)->FindClass(env, className);
    jmethodID main =
        mainClass ? (*env)->GetStaticMethodID(env, mainClass, "main", "([Ljava/lang/String;)V")
                  : NULL;
    jclass stringClass = (*env)->FindClass(env, "java/lang/String");
    jobjectArray args = main ? (*env)->NewObjectArray(env, argc, stringClass, NULL) : NULL;
    int i;
    if (!args) return 1;
    for (i = 0; i < argc; ++i) {
        jstring text = (*env)->NewStringUTF(env, argv[i]);
        (*env)->SetObjectArrayElement(env, args, i, text);
        (*env)->DeleteLocalRef(env, text);
    }
    (*env)->CallStaticVoidMethod(env, mainClass, main, args);
    if (!(*env)->ExceptionCheck(env)) return 0;
    (*env)->ExceptionDescribe(env);
    return 1;
}

int main(int argc, char** argv) {
    JavaVM* vm = NULL;
    JNIEnv* env;
    char* classPath;
    int status;
    if (argc < 4) {
        fprintf(stderr, "usage: floor LIBJVM CLASSPATH CLASS [ARGUMENT...]\n");
        return 2;
    }
    classPath = classPathOption(argv[2]);
    env = classPath ? createVM(argv[1], classPath, &vm) : NULL;
    if (!env) {
        fprintf(stderr, "floor: no Java VM from %s\n", argv[1]);
        return 1;
    }
    status = runMain(env, argv[3], argc - 4, argv + 4);
    (*vm)->DetachCurrentThread(vm);
    (*vm)->DestroyJavaVM(vm);
    free(classPath);
    return status;
}
