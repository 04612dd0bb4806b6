// A headless program for scenario tests: an application on the virtual clock, a temporary
// program folder, and helpers that act as a player would.
#pragma once

#include "platform/Application.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace ui {
class HeadlessAudio;
}

namespace testing_support {

class HeadlessTest : public ::testing::Test {
  protected:
    // `startTicks` sets the virtual clock's first reading (near 2^32 to test its wrap).
    explicit HeadlessTest(std::uint32_t startTicks = 1000);
    ~HeadlessTest() override;

    ui::HeadlessBackend& backend() { return *backend_; }
    ui::Application& app() { return *app_; }
    // What was played: effects and player commands, in order.
    ui::HeadlessAudio& audio() { return *audio_; }

    // Runs the event loop for `ms` of virtual time; returns false when the program ended.
    bool RunFor(std::uint32_t ms);
    // Runs a step of the program (start-up, a handler), turning its end into false.
    bool Step(const std::function<void()>& body);

    // Input in pixels of the window's client area.
    void MoveTo(float x, float y, int buttons = 0);
    void Click(float x, float y);
    // A key as the real backend delivers it: its key-down, then the character it types, if
    // any (a control key types its own code, a letter its small letter, Space a blank).
    void PressKey(int key, int shift = 0);
    // A key whose typed character the test names, as '*' on Shift+8.
    void PressKey(int key, int shift, int character);
    // A key-down alone, as input that types nothing.
    void KeyDown(int key, int shift = 0);

    // The temporary program folder (with a trailing slash), emptied at the end of the test.
    const std::string& Folder() const { return folder_; }
    void WriteFile(const std::string& relative, const std::string& content);
    std::string ReadFile(const std::string& relative) const;

  private:
    ui::HeadlessBackend* backend_ = nullptr;
    ui::HeadlessAudio* audio_ = nullptr;
    std::unique_ptr<ui::Application> app_;
    std::string folder_;
};

// A 24-bit BMP of the given size, for tests that need pictures on disk.
std::string BmpBytes(int width, int height);

} // namespace testing_support
