// Sends a console's control event to a running program the way Windows does when its console is
// closed or Ctrl+Break is pressed there: the console starts the program's own control routine on a
// new thread of that program. Usage: console_event <program.exe> <event number>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <tlhelp32.h>

namespace {

DWORD processNamed(const wchar_t* name) {
  DWORD found = 0;
  HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(all, &entry); more != FALSE; more = Process32NextW(all, &entry)) {
    if (_wcsicmp(entry.szExeFile, name) == 0) {
      found = entry.th32ProcessID;
    }
  }
  CloseHandle(all);
  return found;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  const DWORD id = argc == 3 ? processNamed(argv[1]) : 0;
  HANDLE program = id != 0 ? OpenProcess(PROCESS_ALL_ACCESS, FALSE, id) : nullptr;
  const auto routine = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernelbase.dll"), "CtrlRoutine")));
  if (program == nullptr || routine == nullptr) {
    std::fprintf(stderr, "console_event: no such program, or no control routine to start\n");
    return 1;
  }
  const auto event = static_cast<ULONG_PTR>(std::wcstoul(argv[2], nullptr, 10));
  // The routine takes the event's number as its thread's parameter, as the console passes it.
  void* parameter = reinterpret_cast<void*>(event); // NOLINT(performance-no-int-to-ptr)
  HANDLE thread = CreateRemoteThread(program, nullptr, 0, routine, parameter, 0, nullptr);
  return thread != nullptr ? 0 : 1;
}
