// Leaks on purpose: the sanitizer suite must still report a leak in the program's own code,
// whatever it suppresses in the system's libraries.
#include <memory>

namespace {

void ForgetABuffer() {
    static_cast<void>(std::make_unique<char[]>(4321).release());
}

} // namespace

int main() {
    ForgetABuffer();
    return 0;
}
