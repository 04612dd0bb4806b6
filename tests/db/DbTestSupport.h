// Shared by the database tests: question lists, the writer run as a separate program, temporary
// folders and shell commands whose output is captured.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace dbtest {

namespace fs = std::filesystem;

struct Question {
    int level;
    int code;
    std::array<std::string, 5> texts; // pergunta, resp1 .. resp4
};

inline std::string Repeat(const std::string& unit, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += unit;
    }
    return out;
}

// perLevel questions of each level in file order, with long, accented and blank-edged texts and
// the ends of the code range.
inline std::vector<Question> SampleQuestions(int perLevel) {
    std::vector<Question> out;
    int code = -32768;
    for (int level = 1; level <= 3; ++level) {
        for (int i = 0; i < perLevel; ++i) {
            Question q{level, level == 3 && i == perLevel - 1 ? 32767 : code++, {}};
            for (int k = 0; k < 5; ++k) {
                const std::string tag =
                    std::to_string(level) + "." + std::to_string(i) + "." + std::to_string(k);
                switch (i % 4) {
                case 0:
                    q.texts[k] = tag + Repeat("ã", 255 - static_cast<int>(tag.size()));
                    break;
                case 1:
                    q.texts[k] = "  Qual é a canção nº " + tag + "?  ";
                    break;
                case 2:
                    q.texts[k] = Repeat("x", 255 - static_cast<int>(tag.size())) + tag;
                    break;
                default:
                    q.texts[k] = "Ação " + tag + " — ÀÉÎÕÜ çñ";
                }
            }
            out.push_back(q);
        }
    }
    return out;
}

inline std::string ToLines(const std::vector<Question>& questions) {
    std::string out = "# nivel\tcod\tpergunta\tresp1..4\n\n";
    for (const Question& q : questions) {
        out += std::to_string(q.level) + "\t" + std::to_string(q.code);
        for (const std::string& t : q.texts) {
            out += "\t" + t;
        }
        out += "\n";
    }
    return out;
}

class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "qvdbXXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() { fs::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

inline void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct Result {
    int status;
    std::string output;
};

inline Result Shell(const std::string& command) {
    struct Closer {
        void operator()(FILE* f) const { pclose(f); }
    };
    std::unique_ptr<FILE, Closer> pipe(popen(command.c_str(), "r"));
    if (!pipe) {
        return {-1, ""};
    }
    std::string output;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
        output.append(buffer.data(), n);
    }
    return {pclose(pipe.release()), output};
}

// Runs the writer; the result's output is what it wrote to stderr.
inline Result WriteDatabase(const fs::path& questions, const fs::path& database) {
    return Shell(std::string(QV_BINARY_DIR) + "/tools/mdbwrite/qv-mdbwrite '" + questions.string() +
                 "' '" + database.string() + "' 2>&1");
}

inline std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    return parts;
}

} // namespace dbtest
