#include "catalog/file_reading.h"
#include "catalog/lines.h"
#include "catalog/safe_save.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalog/errors.h"
#include "catalog/tables.h"

namespace {

struct LineCase {
  const char* name;
  std::string text;
  std::vector<std::string> lines;
};

class SplitLinesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SplitLinesTest, CutsAsTheFilesAreRead) { EXPECT_EQ(catalog::splitLines(GetParam().text), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLinesTest,
    ::testing::Values(LineCase{"Empty", "", {}}, LineCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      LineCase{"FinalCrLfAddsNoLine", "a\r\nb\r\n", {"a", "b"}},
                      LineCase{"TwoCrLfGiveEmptyLine", "a\r\n\r\nb", {"a", "", "b"}},
                      LineCase{"LfThenCrGivesEmptyLine", "a\n\rb", {"a", "", "b"}},
                      LineCase{"LoneCr", "a\rb\r", {"a", "b"}}, LineCase{"LoneLf", "a\nb\n", {"a", "b"}},
                      LineCase{"OnlyLineEnds", "\r\n\r\n", {"", ""}},
                      LineCase{"NulEndsText", std::string("ab\0cd\r\nef", 9), {"ab"}},
                      LineCase{"NulAfterLineEnd", std::string("ab\r\n\0cd", 7), {"ab"}},
                      LineCase{"HighBytesKept", "\xC4\xD6\xDC;\xDF\x80", {"\xC4\xD6\xDC;\xDF\x80"}},
                      LineCase{"LongLineKeptWhole", std::string(5000, 'x') + "\r\n", {std::string(5000, 'x')}}),
    [](const auto& info) { return std::string(info.param.name); });

// Line ends are looked for a mebibyte ahead at most: lines longer than that,
// files with one kind of line end and ends right at that distance.
TEST(SplitLines, LinesAndEndsBeyondTheLookAhead) {
  constexpr std::size_t kStep = 1 << 20;
  const std::string longLine(2 * kStep + 17, 'x');
  std::string crOnly;
  for (int i = 0; i < 500000; ++i) crOnly += "ab\r";
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"LongLineWithCrLf", longLine + "\r\nb", {longLine, "b"}},
      {"LfOnlyAroundALongLine", "a\n" + longLine + "\nb\n", {"a", longLine, "b"}},
      {"CrThenLfFarApart", "a\r" + longLine + "\nb", {"a", longLine, "b"}},
      {"CrOnlyFile", crOnly, std::vector<std::string>(500000, "ab")},
      {"CrLfAcrossTheStep", std::string(kStep - 1, 'x') + "\r\nb", {std::string(kStep - 1, 'x'), "b"}},
      {"LfRightAtTheLimit", std::string(kStep, 'x') + "\ny", {std::string(kStep, 'x'), "y"}},
      {"CrRightAtTheLimit", std::string(kStep, 'x') + "\ry\n", {std::string(kStep, 'x'), "y"}},
      {"NulAfterTheFirstStep", std::string(kStep + 5, 'x') + std::string(1, '\0') + "\r\nz", {std::string(kStep + 5, 'x')}},
  };
  for (const Case& c : cases) {
    int calls = 0;
    const std::vector<catalog::Piece> pieces = catalog::linePieces(c.text, [&calls] { ++calls; });
    std::vector<std::string> lines;
    for (const catalog::Piece& piece : pieces) lines.push_back(c.text.substr(piece.offset, piece.length));
    EXPECT_TRUE(lines == c.lines) << c.name << ": " << lines.size() << " lines";
    EXPECT_GT(calls, 0) << c.name << ": a text of megabytes is cut without a progress call";
  }
}

class FileTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return temporary.file(name); }
  std::string read(const std::string& name) const { return temporary.read(name); }
  void write(const std::string& name, const std::string& bytes) const { temporary.write(name, bytes); }
  testing_support::TemporaryFolder temporary;
  const std::filesystem::path& folder = temporary.path();
};

TEST_F(FileTest, MissingFileNamesTheFileAsPassed) {
  EXPECT_TRUE(testing_support::failsWith(
      [&] { catalog::loadLines("Fu\xDFnoten.txt", {path("absent-utf8"), path("absent-cp1252")}); },
      "Datei Fu\xDFnoten.txt in " + std::filesystem::current_path().string() +
          " kann nicht ge\xF6" "ffnet werden: Datei oder Verzeichnis nicht gefunden"));
}

TEST_F(FileTest, FolderOfTheFilesNameCannotBeOpened) {
  std::filesystem::create_directory(folder / "OPS-Zuordnung.csv");
  EXPECT_THROW(catalog::loadLines(path("OPS-Zuordnung.csv")), catalog::Error);
}

// The text ends at the first NUL byte, wherever it stands in the pieces
// the file is read in; the rest is not read, the file's size is known.
TEST_F(FileTest, ReadingStopsAtTheFirstNulByte) {
  constexpr std::size_t kPiece = std::size_t{4} << 20;
  struct Case {
    const char* name;
    std::size_t before;  // bytes before the NUL
    std::size_t after;   // and after it
  };
  for (const Case& c : {Case{"early", 20, 12 << 20}, Case{"in a later piece", kPiece + 7, kPiece},
                        Case{"last byte", 100, 0}, Case{"first byte", 0, 5}}) {
    std::string bytes(c.before, 'x');
    bytes += '\0';
    bytes += std::string(c.after, 'y');
    write("file", bytes);
    const catalog::FileText text = catalog::readWholeFile("file", {path("file")}, {}, catalog::ReadUpTo::FirstNul);
    EXPECT_EQ(text.size(), c.before + 1) << c.name;
    EXPECT_EQ(static_cast<std::string_view>(text).back(), '\0') << c.name;
    EXPECT_EQ(text.fileSize(), bytes.size()) << c.name;
  }
  write("file", "ohne NUL\r\n");
  const catalog::FileText whole = catalog::readWholeFile("file", {path("file")}, {}, catalog::ReadUpTo::FirstNul);
  EXPECT_EQ(whole.size(), 10u);
  EXPECT_EQ(whole.fileSize(), 10u);
  // A file read to be written back (a year replaced in it) keeps every byte.
  write("file", std::string("vor\0nach", 8));
  EXPECT_EQ(static_cast<std::string_view>(catalog::readWholeFile("file", {path("file")})), std::string_view("vor\0nach", 8));
}

TEST_F(FileTest, ReadsTheFirstNameThatExists) {
  write("second", "b\r\n");
  EXPECT_EQ(catalog::loadLines("shown", {path("first"), path("second")}), std::vector<std::string>{"b"});
  write("first", "a");
  EXPECT_EQ(catalog::loadLines("shown", {path("first"), path("second")}), std::vector<std::string>{"a"});
}

TEST_F(FileTest, SavesEveryLineWithCrLf) {
  write("out.csv", "old content that is longer\r\n");
  catalog::saveLinesReplacing(path("out.csv"), {"a;1", "", "\xE4"});
  EXPECT_EQ(read("out.csv"), "a;1\r\n\r\n\xE4\r\n");
  catalog::saveLinesReplacing(path("out.csv"), {});
  EXPECT_EQ(read("out.csv"), "");
}

TEST_F(FileTest, FailedSaveLeavesNoTraceAndNamesTheFile) {
  std::filesystem::create_directory(folder / "OPS-Zuordnung.csv");
  write("OPS-Zuordnung.csv/inside", "x");  // a non-empty directory cannot be renamed over
  EXPECT_TRUE(testing_support::failsWith([&] { catalog::saveLinesReplacing(path("OPS-Zuordnung.csv"), {"a"}); },
                                         "Datei OPS-Zuordnung.csv in " + folder.string() +
                                             " kann nicht erstellt werden: Ist ein Verzeichnis"));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 1) << "the temporary file was left behind";
}

TEST_F(FileTest, SaveIntoMissingFolderFails) {
  EXPECT_THROW(catalog::saveLinesReplacing(path("no/such/OPS-Zuordnung.csv"), {"a"}), catalog::Error);
}



// A bare name and one in "." name the current directory, so that a message
// of the command line (which works in the catalog folder) says where.
TEST(FileMessages, NameTheCurrentDirectoryForABareOrDotName) {
  const std::string here = std::filesystem::current_path().string();
  for (const std::string name : {"x.csv", "./x.csv"}) {
    EXPECT_EQ(std::string(catalog::cannotCreate(name, ENOENT).what()),
              "Datei x.csv in " + here + " kann nicht erstellt werden: Datei oder Verzeichnis nicht gefunden")
        << name;
  }
  EXPECT_EQ(std::string(catalog::cannotCreate("/x.csv", EACCES).what()),
            "Datei x.csv in / kann nicht erstellt werden: Keine Berechtigung");
}
}  // namespace
