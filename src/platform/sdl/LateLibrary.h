#pragma once
// A shared library opened the first time the game needs it rather than when the program starts. The
// sound and font libraries, with the score of libraries they bring, cost about 3 MB of memory and a
// few milliseconds of start-up: a player who never turns the sound on, or never rests the pointer on a
// control, never pays for them. A library that cannot be opened is said once on standard error, and
// the game goes on without what it gives (sound, tool tips).
//
// Once open, a library stays open until the program ends, as a linked one would: a way out that ends
// the program from inside a handler must never find the mixer's thread running in unmapped code.
#include <string>

namespace platform {

class LateLibrary {
public:
  // `speaker`: the game's name, that the message starts with; `file`: the library's run-time name;
  // `purpose`: what the game loses without it, for the message.
  LateLibrary(std::string speaker, const char* file, const char* purpose);

  // Looks up a function by name; a missing one is said on standard error and leaves `function` null.
  template <class Function> void bind(Function*& function, const char* name) {
    function = reinterpret_cast<Function*>(find(name));
  }
  // True when the library opened and every function asked for was found.
  bool complete() const { return handle_ != nullptr && !missing_; }

private:
  void* find(const char* name);

  void* handle_ = nullptr;
  bool missing_ = false;
  std::string speaker_;
  std::string file_;
  std::string purpose_;
};

} // namespace platform
