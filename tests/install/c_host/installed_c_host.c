/* Creates a launcher object through the flat functions of all three libraries
   and prints what it reports: its console version, name and default exit value. */
#include <mirobanth/application/MirobanthApplication.h>
#include <mirobanth/core/MirobanthCore.h>
#include <mirobanth/managed/MirobanthManaged.h>

#include <stdio.h>

int main(int argc, char** argv) {
    ConsoleTypeC console = mbConsoleCreate("InstalledCHost");
    ManagedTypeC managed = mbManagedCreate("InstalledCHost", "Mirobanth", argc, argv);
    if (!console || !managed) return 2;
    printf("console version %s\n", mbConsoleVersion(console));
    printf("name %s\n", mbApplicationParameterName((ApplicationTypeC)managed));
    printf("exit value %d\n", mbManagedExitValue(managed));
    mbManagedDelete(managed);
    mbConsoleDelete(console);
    return 0;
}
