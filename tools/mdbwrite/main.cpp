// qv-mdbwrite QUESTIONS.txt OUT.mdb: writes the question database from the question list.
// Nothing is written unless every line is good.
#include "JetWriter.h"
#include "QuestionFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool ReadWhole(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = buffer.str();
    return !in.bad();
}

// Writes beside the target and renames, so that a reader never sees half a file.
bool WriteAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::filesystem::remove(temp);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: qv-mdbwrite QUESTIONS.txt OUT.mdb\n";
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];
    std::string content;
    if (!ReadWhole(input, content)) {
        std::cerr << input << ": cannot read the file\n";
        return 1;
    }
    try {
        std::vector<std::uint8_t> image =
            mdbwrite::BuildDatabase(mdbwrite::ParseQuestions(content));
        if (!WriteAtomically(output, image)) {
            std::cerr << output << ": cannot write the file\n";
            return 1;
        }
    } catch (const mdbwrite::BadLine& e) {
        std::cerr << input << ':' << e.Line() << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
