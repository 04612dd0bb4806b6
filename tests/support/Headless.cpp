#include "support/Headless.h"

#include "core/Globais.h"
#include "platform/SdlHandles.h"
#include "platform/headless/HeadlessAudio.h"
#include "program/Inicio.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace testing_support {

HeadlessTest::HeadlessTest(std::uint32_t startTicks) {
    auto backend = std::make_unique<ui::HeadlessBackend>(startTicks);
    backend_ = backend.get();
    auto audio = std::make_unique<ui::HeadlessAudio>(*backend_);
    audio_ = audio.get();
    app_ = std::make_unique<ui::Application>(std::move(backend), std::move(audio));
    char pattern[] = "/tmp/qvtestXXXXXX";
    folder_ = std::string(mkdtemp(pattern)) + "/";
    RestauraEstado();
    PastaDoExecutavel = [this] { return folder_; };
}

HeadlessTest::~HeadlessTest() {
    app_.reset();
    std::filesystem::remove_all(folder_);
}

bool HeadlessTest::Step(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const ui::ProgramEnd&) {
        return false;
    }
}

bool HeadlessTest::RunFor(std::uint32_t ms) {
    const std::uint32_t end = backend_->Ticks() + ms;
    return Step([&] {
        app_->SpinUntil(
            [&] {
                return static_cast<std::int32_t>(end - backend_->Ticks()) <= 0 &&
                       !backend_->InputPending();
            },
            end);
    });
}

void HeadlessTest::MoveTo(float x, float y, int buttons) {
    backend_->Push({ui::InputEvent::Kind::MouseMove, x, y, buttons, 0, 0});
}

void HeadlessTest::Click(float x, float y) {
    MoveTo(x, y);
    backend_->Push({ui::InputEvent::Kind::MouseDown, x, y, 1, 0, 0});
    backend_->Push({ui::InputEvent::Kind::MouseUp, x, y, 1, 0, 0});
}

void HeadlessTest::KeyDown(int key, int shift) {
    backend_->Push({ui::InputEvent::Kind::KeyDown, 0, 0, 0, shift, key});
}

void HeadlessTest::PressKey(int key, int shift) {
    int character = 0;
    if (key == 8 || key == 9 || key == 13 || key == 27 || key == ' ' ||
        (key >= '0' && key <= '9' && shift == 0)) {
        character = key;
    } else if (key >= 'A' && key <= 'Z') {
        character = (shift & 1) != 0 ? key : key - 'A' + 'a';
    }
    PressKey(key, shift, character);
}

void HeadlessTest::PressKey(int key, int shift, int character) {
    KeyDown(key, shift);
    if (character != 0) {
        backend_->Push({ui::InputEvent::Kind::KeyPress, 0, 0, 0, shift, character});
    }
}

void HeadlessTest::WriteFile(const std::string& relative, const std::string& content) {
    const std::filesystem::path path = folder_ + relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string HeadlessTest::ReadFile(const std::string& relative) const {
    std::ifstream in(folder_ + relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string BmpBytes(int width, int height) {
    const ui::SurfacePtr s(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24));
    SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, 20, 40, 200));
    std::string bytes(static_cast<std::size_t>(width * height * 4 + 1024), '\0');
    const ui::RWopsPtr rw(SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size())));
    SDL_SaveBMP_RW(s.get(), rw.get(), 0);
    bytes.resize(static_cast<std::size_t>(SDL_RWtell(rw.get())));
    return bytes;
}

} // namespace testing_support
