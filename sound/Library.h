// A system library loaded while the program runs rather than by the loader
// before main: what the outputs use, so that a library missing on this
// machine is a device that does not open, never a program that cannot start.
#pragma once

#include <dlfcn.h>

#include <string>

namespace sound {

// Never unloaded: a sound library's threads may outlive its last user.
inline void* OpenLibrary(const char* name, std::string& error)
{
    void* library = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) error = ::dlerror();
    return library;
}

template <typename Function>
bool Resolve(void* library, const char* name, Function*& function, std::string& error)
{
    function = reinterpret_cast<Function*>(::dlsym(library, name));
    if (function == nullptr) error = std::string("no ") + name;
    return function != nullptr;
}

}  // namespace sound
