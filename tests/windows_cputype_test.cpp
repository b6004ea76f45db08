// cputype.exe as Windows runs it (built only for Windows): started with standard input at end of file,
// it prints the exact code-page-950 message bytes, lines ended CR LF by the text-mode stream, and ends
// at once with status 0, whatever its arguments.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// A child's result: its exit status and everything it wrote to standard output.
struct ChildRun {
    bool started = false;
    bool ended = false;
    DWORD status = 0;
    std::string output;
};

// cputype.exe sits beside this test program in the build folder.
std::string CputypePath() {
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, length < MAX_PATH ? length : 0);
    size_t slash = self.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) + "cputype.exe";
}

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return handle_; }
    HANDLE* Out() { return &handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    void Close() {
        if (Valid()) ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

// Runs cputype.exe with the given argument text, standard input from NUL, standard output to a pipe.
ChildRun RunCputype(const std::string& arguments) {
    ChildRun run;
    const std::string program = CputypePath();
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle readEnd;
    Handle writeEnd;
    if (!::CreatePipe(readEnd.Out(), writeEnd.Out(), &inherit, 0)) return run;
    ::SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    Handle input(::CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                               0, nullptr));
    Handle errors(::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                OPEN_EXISTING, 0, nullptr));
    if (!input.Valid() || !errors.Valid()) return run;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = errors.Get();
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &process))
        return run;
    run.started = true;
    Handle processHandle(process.hProcess);
    Handle threadHandle(process.hThread);
    writeEnd.Close();  // the child holds the only write end now, so reading ends when it does

    // The message is far smaller than the pipe's buffer, so waiting first cannot block the child.
    // It measures its clock for about half a second; twenty seconds means it waits for input.
    run.ended = ::WaitForSingleObject(processHandle.Get(), 20000) == WAIT_OBJECT_0;
    if (!run.ended) {
        ::TerminateProcess(processHandle.Get(), 1);
        return run;
    }
    ::GetExitCodeProcess(processHandle.Get(), &run.status);
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(readEnd.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) run.output.append(buffer, got);
    return run;
}

// "CPU類型:" and, after the name, an empty line and "按Enter鍵離開", in code page 950, lines ended CR LF.
const std::string kLabel = "CPU\xC3\xFE\xAB\xAC:";
const std::string kPrompt = "\r\n\r\n\xAB\xF6" "Enter" "\xC1\xE4\xC2\xF7\xB6\x7D\r\n";

struct ArgumentCase {
    const char* label;
    const char* arguments;
};

TEST(CputypeExe, PrintsTheMessageBytesAndEndsAtEndOfInput) {
    const ArgumentCase cases[] = {
        {"no arguments", ""},
        {"arguments ignored", "--help -x something"},
    };
    for (const ArgumentCase& c : cases) {
        SCOPED_TRACE(c.label);
        ChildRun run = RunCputype(c.arguments);
        ASSERT_TRUE(run.started) << "cannot start " << CputypePath() << ": error " << ::GetLastError();
        ASSERT_TRUE(run.ended) << "still waiting after 20 s with standard input at end of file";
        EXPECT_EQ(run.status, 0u);

        const std::string& out = run.output;
        ASSERT_GT(out.size(), kLabel.size() + kPrompt.size()) << "output: " << out;
        EXPECT_EQ(out.substr(0, kLabel.size()), kLabel);
        EXPECT_EQ(out.substr(out.size() - kPrompt.size()), kPrompt);
        // Between label and prompt: the name, printable ASCII on one line.
        const std::string name = out.substr(kLabel.size(), out.size() - kLabel.size() - kPrompt.size());
        for (char ch : name)
            EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << "name byte " << static_cast<int>(static_cast<unsigned char>(ch))
                                                 << " in \"" << name << '"';
    }
}

}  // namespace
