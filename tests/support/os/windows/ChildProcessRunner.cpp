// Children on Windows: CreateProcessW with a command line that the runtime
// library splits back into exactly the given arguments, and the three
// streams through pipes.
#include <windows.h>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "ChildProcess.h"
#include "WideText.h"

namespace mirobanth::test {

namespace {

using system::widen;

// One argument as the C runtime's command-line splitting reads it back:
// quoted when it is empty or holds blanks or quotes; backslashes are literal
// except before a quote, where they are doubled.
std::wstring quoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

std::wstring commandLine(const std::vector<std::string>& args) {
    std::wstring line;
    for (const std::string& arg : args) {
        if (!line.empty()) line += L' ';
        line += quoteArgument(widen(arg));
    }
    return line;
}

// Variable names on Windows ignore case, compared as upper case.
struct NameOrder {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
        return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    }
};

// This process's environment with the options' changes, as a block.
std::wstring environmentBlock(const ChildOptions& options) {
    std::map<std::wstring, std::wstring, NameOrder> variables;
    wchar_t* inherited = GetEnvironmentStringsW();
    for (const wchar_t* entry = inherited; *entry; entry += wcslen(entry) + 1) {
        const wchar_t* equals = wcschr(entry + 1, L'=');  // "=C:" names start with '='
        if (equals) variables[std::wstring(entry, equals)] = equals + 1;
    }
    FreeEnvironmentStringsW(inherited);
    for (const auto& [name, value] : options.env) {
        if (value)
            variables[widen(name)] = widen(*value);
        else
            variables.erase(widen(name));
    }
    std::wstring block;
    for (const auto& [name, value] : variables) block += name + L'=' + value + L'\0';
    return block + L'\0';
}

struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
};

// A pipe whose child end (childReads: the read end) is inherited, with room
// for size bytes.
Pipe makePipe(bool childReads, size_t size = 0) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    Pipe pipe;
    if (!CreatePipe(&pipe.read, &pipe.write, &inheritable, static_cast<DWORD>(size)))
        throw std::runtime_error("CreatePipe failed");
    SetHandleInformation(childReads ? pipe.write : pipe.read, HANDLE_FLAG_INHERIT, 0);
    return pipe;
}

// Reads what the pipe holds now, without waiting for more.
void drain(HANDLE from, std::string& into) {
    DWORD available = 0;
    while (PeekNamedPipe(from, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char buffer[4096];
        DWORD n = 0;
        if (!ReadFile(from, buffer, std::min<DWORD>(available, sizeof buffer), &n, nullptr)) break;
        into.append(buffer, n);
    }
}

// Console programs end their lines with "\r\n" here; tests compare lines.
std::string withLineFeeds(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i)
        if (text.compare(i, 2, "\r\n") != 0) result += text[i];
    return result;
}

}  // namespace

// The output is read until the child has ended, not until the pipes close:
// a process the child started (Wine's desktop, for one) may hold them open
// much longer. The input pipe holds the whole input, so it is written at once.
ChildResult runChild(const ChildOptions& options) {
    Pipe in = makePipe(true, options.input.size() + 1), out = makePipe(false),
         err = makePipe(false);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.read;
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine(options.args);
    std::wstring program = widen(options.args.at(0));
    std::wstring environment = environmentBlock(options);
    std::wstring folder = widen(options.workingDirectory);
    BOOL started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                                  CREATE_UNICODE_ENVIRONMENT, environment.data(),
                                  folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    CloseHandle(in.read);
    CloseHandle(out.write);
    CloseHandle(err.write);
    ChildResult result;
    if (started) {
        CloseHandle(process.hThread);
        DWORD written = 0;
        if (!options.input.empty())
            WriteFile(in.write, options.input.data(), static_cast<DWORD>(options.input.size()),
                      &written, nullptr);
        CloseHandle(in.write);
        const ULONGLONG deadline = GetTickCount64() + 1000ull * options.timeoutSeconds;
        DWORD waited;
        do {
            waited = WaitForSingleObject(process.hProcess, 10);
            drain(out.read, result.out);
            drain(err.read, result.err);
        } while (waited == WAIT_TIMEOUT && GetTickCount64() < deadline);
        if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        result.status = waited == WAIT_OBJECT_0 ? static_cast<int>(code) : -1;
    } else {
        CloseHandle(in.write);
        result.status = 127;
        result.err = "cannot start " + options.args.at(0);
    }
    CloseHandle(out.read);
    CloseHandle(err.read);
    result.out = withLineFeeds(result.out);
    result.err = withLineFeeds(result.err);
    return result;
}

}  // namespace mirobanth::test
