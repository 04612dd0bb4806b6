#include "Speech.h"

#include "Synth.h"

#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace soundgen {

namespace {

class UniqueFd {
  public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        reset(std::exchange(other.fd_, -1));
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

  private:
    int fd_;
};

class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }

    posix_spawn_file_actions_t* get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

std::vector<std::string> commandFor(const Utterance& utterance) {
    const std::string voice = utterance.variant.empty() ? "pt-br" : "pt-br+" + utterance.variant;
    return {"espeak-ng",
            "-v",
            voice,
            "-s",
            std::to_string(utterance.speed),
            "-p",
            std::to_string(utterance.pitch),
            "--stdout",
            utterance.text};
}

std::vector<std::uint8_t> drain(int fd) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return bytes;
        if (got < 0)
            throw std::runtime_error("cannot read from espeak-ng");
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

std::vector<std::uint8_t> runEspeak(const Utterance& utterance) {
    // Close-on-exec keeps the pipes of parallel runs out of each other's children.
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot open a pipe for espeak-ng");
    UniqueFd readEnd(ends[0]);
    UniqueFd writeEnd(ends[1]);

    SpawnActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), writeEnd.get(), STDOUT_FILENO);
    posix_spawn_file_actions_addclose(actions.get(), readEnd.get());
    std::vector<std::string> command = commandFor(utterance);
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], actions.get(), nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start espeak-ng");
    writeEnd.reset();
    std::vector<std::uint8_t> bytes = drain(readEnd.get());
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("espeak-ng failed on: " + utterance.text);
    return bytes;
}

Pcm speak(const Utterance& utterance) {
    Pcm speech = resample(decodeWav(runEspeak(utterance)), kPackRate);
    trimSilence(speech);
    return speech;
}

} // namespace

std::vector<Pcm> speakAll(const std::vector<Utterance>& utterances) {
    std::vector<Pcm> results(utterances.size());
    std::vector<std::string> failures(utterances.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < utterances.size(); i = next++) {
            try {
                results[i] = speak(utterances[i]);
            } catch (const std::exception& error) {
                failures[i] = error.what();
            }
        }
    };
    {
        std::vector<std::jthread> workers;
        const unsigned count = std::max(2u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < count; ++i)
            workers.emplace_back(worker);
    }
    for (const std::string& failure : failures)
        if (!failure.empty())
            throw std::runtime_error(failure);
    return results;
}

} // namespace soundgen
