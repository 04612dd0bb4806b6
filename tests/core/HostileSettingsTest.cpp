// The settings file, "cd.ini" and the content-root marker against damaged files, things that
// are not ordinary files, and a save killed at any moment.
#include "core/Config.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "support/Headless.h"
#include "support/HostileFiles.h"

#include <csignal>
#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testing_support::ForEachSpecialFile;
using testing_support::HeadlessTest;
using testing_support::Mutated;

namespace {

// Names with blanks and an accented letter, rungs of one and two digits, a negative position.
const std::string CHEIO = "1\r\n1500\r\n-300\r\n#FALSE#\r\n#TRUE#\r\n\"ANA MARIA\"\r\n"
                          "\"JOSÉ\"\r\n22\r\n\"ANA MARIA\"\r\n9\r\n\"B I A\"\r\n9\r\n"
                          "\"ZECA\"\r\n3\r\n\"\"\r\n0\r\n";

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the last line has no line end";
    return lines;
}

// Exactly the 16 lines of the format, each value of its line's kind, texts without a quote or
// a control character inside.
void ExpectTheFormat(const std::string& file) {
    const std::vector<std::string> lines = SplitCrLf(file);
    ASSERT_EQ(lines.size(), 16u) << file;
    const std::regex number("-?[0-9]+"), truth("#TRUE#|#FALSE#"),
        text("\"[^\"\\x00-\\x1f\\x7f]*\"");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool isText = i == 5 || (i >= 6 && i % 2 == 0);
        const std::regex& kind = i == 3 || i == 4 ? truth : isText ? text : number;
        EXPECT_TRUE(std::regex_match(lines[i], kind)) << "line " << i + 1 << ": " << lines[i];
    }
}

struct Damage {
    bool flip; // the byte flipped by `value`, or set to it
    char value;
};
const Damage DAMAGES[] = {{true, 0x01}, {true, 0x40},  {true, '\x80'},
                          {false, '"'}, {false, '\r'}, {false, '\n'}};

class HostileSettings : public HeadlessTest {
  protected:
    HostileSettings() {
        WriteFile("setup.lst", "");
        InicializaGlobais();
        DefinePastas();
        ValoresPadrao();
    }

    // Reads `content` at start-up, saves, and gives what was saved.
    std::string ReadAndSave(const std::string& content) {
        WriteFile("config.ini", content);
        InicializaGlobais();
        LeConfig();
        SalvaConfig();
        return ReadFile("config.ini");
    }
};

} // namespace

// One byte damaged in each of several ways, at every place: the save writes the format, the
// rows not holding that byte come back as they were, and what was saved reads back as itself.
TEST_F(HostileSettings, ADamagedByteStaysInItsOwnRow) {
    const std::vector<std::string> original = SplitCrLf(CHEIO);
    std::vector<std::size_t> lineOf;
    for (std::size_t line = 0; line < original.size(); ++line) {
        lineOf.insert(lineOf.end(), original[line].size() + 2, line);
    }
    for (std::size_t at = 0; at < CHEIO.size(); ++at) {
        for (const Damage d : DAMAGES) {
            std::string bytes = CHEIO;
            bytes[at] = d.flip ? static_cast<char>(bytes[at] ^ d.value) : d.value;
            SCOPED_TRACE("byte " + std::to_string(at) + (d.flip ? " flipped by " : " set to ") +
                         std::to_string(d.value));
            const std::string saved = ReadAndSave(bytes);
            ExpectTheFormat(saved);
            const std::vector<std::string> lines = SplitCrLf(saved);
            for (std::size_t line = 0; line < lines.size() && line < original.size(); ++line) {
                if (line != lineOf[at]) {
                    EXPECT_EQ(lines[line], original[line]) << "line " << line + 1;
                }
            }
            EXPECT_EQ(ReadAndSave(saved), saved);
        }
    }
}

TEST_F(HostileSettings, MutatedFilesSaveTheFormatAndReadBackAsSaved) {
    std::mt19937 random(1503);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const std::string saved = ReadAndSave(Mutated(CHEIO, random, CHEIO.size()));
        ExpectTheFormat(saved);
        EXPECT_EQ(ReadAndSave(saved), saved);
    }
}

TEST_F(HostileSettings, OpenQuoteEndsAtItsLineAndQuotesAreNotWrittenBack) {
    std::string bytes = CHEIO;
    bytes.replace(bytes.find("\"B I A\""), 7, "\"unterminated");
    bytes.replace(bytes.find("\"ZECA\""), 6, "J\"GUARDA\"\x01");
    const std::string saved = ReadAndSave(bytes);
    ExpectTheFormat(saved);
    EXPECT_EQ(PlacarNome[3], "unterminated");
    EXPECT_EQ(PlacarNivel[3], 9);
    EXPECT_EQ(PlacarNome[4], "J\"GUARDA\"\x01");
    EXPECT_NE(saved.find("\r\n\"unterminated\"\r\n9\r\n\"JGUARDA\"\r\n3\r\n"), std::string::npos)
        << saved;
}

// What is not an ordinary file is left in place by the save, with a message; a file of
// nothing but zeros holds no values and takes the save.
TEST_F(HostileSettings, SpecialFilesLeaveTheStartUpValuesAndOnlyFilesTakeTheSave) {
    const fs::path config = Folder() + "config.ini";
    ForEachSpecialFile(config, [&](const std::string& kind) {
        InicializaGlobais();
        NomeJogador = "ANTES";
        LeConfig();
        EXPECT_EQ(ModoTela, 2);
        EXPECT_EQ(JanelaEsquerda, -9600);
        EXPECT_EQ(NomeJogador, "ANTES");
        const fs::file_type type = fs::symlink_status(config).type();
        const std::size_t messages = backend().Messages().size();
        ASSERT_TRUE(Step(SalvaConfig));
        const bool file = kind == "empty file" || kind == "huge file";
        EXPECT_EQ(fs::symlink_status(config).type(), file ? fs::file_type::regular : type);
        EXPECT_EQ(backend().Messages().size(), messages + (file ? 0 : 1));
    });
}

// Other line ends, and junk that takes a valid file beyond the bound: the rows come back
// whole and the save writes the format.
TEST_F(HostileSettings, OtherLineEndsAndAFileBeyondTheBoundKeepEveryRow) {
    const auto withEnds = [](const std::string& end) {
        return std::regex_replace(CHEIO, std::regex("\r\n"), end);
    };
    std::string junk;
    while (junk.size() < 9 * 1024) {
        junk += "\"LIXO\"\r\n255\r\n\x01\xff,";
    }
    const std::string cr = withEnds("\r");
    // The last line may lack its line end.
    for (const std::string& file :
         {cr, cr.substr(0, cr.size() - 1), withEnds("\n"), CHEIO + junk}) {
        SCOPED_TRACE(file.substr(0, 40));
        EXPECT_EQ(ReadAndSave(file), CHEIO);
    }
}

// Whoever cannot read the file cannot keep its rows: the save leaves it as it is. Root reads
// every file, so the reader drops to an unprivileged user in a child process.
TEST_F(HostileSettings, AFileThatCannotBeReadIsLeftAsItIs) {
    WriteFile("config.ini", CHEIO);
    ASSERT_EQ(chmod((Folder() + "config.ini").c_str(), 0), 0);
    // The save could replace the file if it tried.
    ASSERT_EQ(chmod(Folder().c_str(), 0777), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t NOBODY = 65534;
        if (getuid() == 0 && (setgid(NOBODY) != 0 || setuid(NOBODY) != 0)) {
            _exit(2);
        }
        InicializaGlobais();
        LeConfig();
        _exit(Step(SalvaConfig) && backend().Messages().size() == 1 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ASSERT_EQ(chmod((Folder() + "config.ini").c_str(), 0600), 0);
    EXPECT_EQ(ReadFile("config.ini"), CHEIO);
}

TEST_F(HostileSettings, CdIniDamagedOrSpecialIsReadFromItsFirstLineOnly) {
    WriteFile("raiz, um/setup.lst", "");
    const std::string good = "\"" + Folder() + "raiz, um\"\r\n\"segunda\"\r\n";
    std::mt19937 random(1504);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const std::string bytes = Mutated(good, random, 4);
        WriteFile("cd.ini", bytes);
        const std::size_t messages = backend().Messages().size();
        if (Step(DefinePastas)) {
            EXPECT_EQ(backend().Messages().size(), messages);
        } else {
            ASSERT_EQ(backend().Messages().size(), messages + 1);
            EXPECT_EQ(backend().Messages().back().text.rfind("O CD ", 0), 0u);
        }
        // The root is the program folder or comes from the first line, with a slash added.
        const std::string firstLine = bytes.substr(0, bytes.find_first_of("\r\n"));
        EXPECT_TRUE(RaizCD == Maiusculas(Folder()) ||
                    firstLine.find(RaizCD.substr(0, RaizCD.size() - 1)) != std::string::npos)
            << RaizCD;
    }
    ForEachSpecialFile(Folder() + "cd.ini", [&](const std::string&) {
        ASSERT_TRUE(Step(DefinePastas));
        EXPECT_EQ(RaizCD, Maiusculas(Folder()));
    });
}

// Only an ordinary file counts as the marker, whatever it holds; it is never read.
TEST_F(HostileSettings, OnlyAnOrdinaryFileIsTheMarker) {
    ForEachSpecialFile(Folder() + "setup.lst", [&](const std::string& kind) {
        const bool ordinary =
            kind == "empty file" || kind == "huge file" || kind == "file without permission";
        EXPECT_EQ(Step(DefinePastas), ordinary);
    });
}

// A child process saves in a loop and is killed at random moments: the file is always one
// whole save, and the next start removes the temporary the kill left behind.
TEST_F(HostileSettings, ASaveKilledAtAnyMomentLeavesAWholeFile) {
    const std::string antes = ReadAndSave(CHEIO);
    NomeJogador = "OUTRO NOME";
    SalvaConfig();
    const std::string depois = ReadFile("config.ini");
    std::mt19937 random(1505);
    int interrupted = 0;
    for (int round = 0; round < 200; ++round) {
        // The kill's moment counts from the child's first save, however slow its start.
        int saving[2];
        ASSERT_EQ(pipe(saving), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                NomeJogador = i % 2 == 0 ? "ANA MARIA" : "OUTRO NOME";
                SalvaConfig();
                if (i == 0) {
                    (void)!write(saving[1], "s", 1);
                }
            }
        }
        close(saving[1]);
        char started = 0;
        ASSERT_EQ(read(saving[0], &started, 1), 1);
        close(saving[0]);
        usleep(static_cast<useconds_t>(random() % 4000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string file = ReadFile("config.ini");
        ASSERT_TRUE(file == antes || file == depois) << round << ": " << file;
        interrupted += fs::exists(Folder() + "config.ini.novo") ? 1 : 0;
        InicializaGlobais();
        LeConfig();
        ASSERT_FALSE(fs::exists(Folder() + "config.ini.novo")) << round;
    }
    // Some kills must have fallen inside a save for the test to mean anything.
    EXPECT_GT(interrupted, 0);
}
