// The calculator on Windows: calc.exe. On Windows 10 and later calc.exe
// only starts the Calculator app and ends, so a running calculator is found
// by the program of either name, and its window brought forward.
#include "platform/calculator.h"
#include "platform/calculatordesktop.h"

#include <QString>

// windows.h first: the tool-help header uses its types.
#include <windows.h>

#include <tlhelp32.h>

namespace {

// The classic calculator, the Windows 10 app, and the one some images keep.
const wchar_t* const kProcessNames[] = {L"calc.exe", L"CalculatorApp.exe", L"win32calc.exe"};

bool IsCalculatorProcess(const wchar_t* exeName)
{
    for (const wchar_t* name : kProcessNames)
        if (_wcsicmp(exeName, name) == 0)
            return true;
    return false;
}

struct WindowSearch
{
    DWORD pid = 0;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The app's window belongs to the frame host, not to its own process: it is
// known by its title in the system's language.
HWND FindCalculatorAppWindow()
{
    for (const wchar_t* title : {L"Calculatrice", L"Calculator"})
        if (HWND window = FindWindowW(L"ApplicationFrameWindow", title))
            return window;
    return nullptr;
}

} // namespace

QStringList CalculatorCandidates()
{
    return {QStringLiteral("calc")};
}

QString MissingCalculatorText()
{
    return QStringLiteral("La calculatrice de Windows (calc.exe) est introuvable sur cet ordinateur.");
}

RunningProgram RunningCalculator()
{
    const RunningProgram started = StartedCalculator();
    RunningProgram found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (!IsCalculatorProcess(entry.szExeFile))
            continue;
        found = {qint64(entry.th32ProcessID), QString::fromWCharArray(entry.szExeFile).section('.', 0, 0)};
        if (found.pid == started.pid)
            break;
    }
    CloseHandle(snapshot);
    return found;
}

bool BringProgramForward(const RunningProgram& program)
{
    if (program.pid <= 0)
        return false;
    WindowSearch search;
    search.pid = DWORD(program.pid);
    EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
    HWND window = search.found ? search.found : FindCalculatorAppWindow();
    if (!window)
        return false;
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    return SetForegroundWindow(window) != FALSE;
}
