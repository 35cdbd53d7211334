// `quarlin-cli graph` on the bundled reports: the images it writes, their
// format and colours, and what it does with a report it cannot read.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "fixtures/scoped_locale.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(QUARLIN_BIN_DIR) + "/quarlin-cli";
const fs::path kData = fs::path(QUARLIN_SOURCE_DIR) / "Data";

struct Outcome {
  int status = -1;
  std::string err;
};

class CliGraphTest : public testing::Test {
 protected:
  // A folder per test: CTest runs the tests side by side.
  CliGraphTest() {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = fs::temp_directory_path() / ("quarlin-cli-graph-" + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~CliGraphTest() override { fs::remove_all(dir_); }

  Outcome Run(const std::string& args) {
    const std::string command = "" + quarlin::testing_support::LocaleAssignments() +
                                " QT_QPA_PLATFORM=offscreen '" + kProgram + "' graph " + args +
                                " >/dev/null 2>'" + (dir_ / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ostringstream err;
    err << std::ifstream(dir_ / "stderr").rdbuf();
    outcome.err = err.str();
    return outcome;
  }

  static std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

  fs::path dir_;
};

QRgb PanelPixel(const fs::path& image) {
  const QImage read(QString::fromStdString(image.string()));
  EXPECT_EQ(read.width(), 623) << image;
  EXPECT_EQ(read.height(), 441) << image;
  return read.isNull() ? 0 : read.pixel(600, 400) & 0xffffff;
}

struct Case {
  const char* report;
  const char* type;
  const char* options;
  const char* file;
  QRgb panel;
};

TEST_F(CliGraphTest, EachTypeByNumberOrNameInColourOrBlackAndWhite) {
  const Case cases[] = {
      {"sleep", "1", "", "a.bmp", 0x00008b},
      {"sleep", "cumulative", "--bw", "b.png", 0xffffff},
      {"Nile", "interval", "", "c.png", 0x00008b},
      {"Nile", "3", "--bw --no-belt", "d.BMP", 0xffffff},
      {"portpirie", "return", "", "e.png", 0x00008b},
      {"rivers", "predicted-observed", "--bw", "f.png", 0xffffff},
      {"precip", "histogram", "--no-belt", "g.png", 0x00008b},
      {"lossalae_Loss", "6", "", "h.bmp", 0x00008b},
  };
  for (const Case& c : cases) {
    const fs::path image = dir_ / c.file;
    const Outcome o = Run(Quoted(kData / c.report) + " --type " + c.type + " " + c.options +
                          " --output " + Quoted(image));
    EXPECT_EQ(o.status, 0) << c.report << " " << c.type << ": " << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(PanelPixel(image), c.panel) << c.report << " " << c.type;
  }
}

TEST_F(CliGraphTest, AllTypesIntoAFolderReplacingWhatIsThere) {
  std::ofstream(dir_ / "sleep-return.bmp") << "not an image";
  const Outcome o =
      Run(Quoted(kData / "sleep.out") + " --type all --format bmp --output " + Quoted(dir_));
  EXPECT_EQ(o.status, 0) << o.err;
  for (const char* name :
       {"cumulative", "interval", "x-confidence", "return", "predicted-observed", "histogram"}) {
    const fs::path image = dir_ / ("sleep-" + std::string(name) + ".bmp");
    EXPECT_EQ(PanelPixel(image), 0x00008bu) << name;
  }
  // A missing folder is made; one under a file cannot be.
  EXPECT_EQ(Run(Quoted(kData / "sleep") + " --type all --output " + Quoted(dir_ / "new")).status,
            0);
  EXPECT_EQ(PanelPixel(dir_ / "new" / "sleep-histogram.png"), 0x00008bu);
  EXPECT_EQ(Run(Quoted(kData / "sleep") + " --type all --output " +
                Quoted(dir_ / "sleep-return.bmp" / "x"))
                .status,
            1);
}

TEST_F(CliGraphTest, UnreadableReportOrTargetWritesNoImage) {
  const fs::path image = dir_ / "graph.png";
  Outcome o = Run(Quoted(dir_ / "missing") + " --type 1 --output " + Quoted(image));
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("missing.aux"), std::string::npos) << o.err;
  EXPECT_FALSE(fs::exists(image));
  // The parameter file is there, the report is not.
  fs::copy_file(kData / "sleep.aux", dir_ / "missing.aux");
  o = Run(Quoted(dir_ / "missing") + " --type 1 --output " + Quoted(image));
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("could not be opened."), std::string::npos) << o.err;
  EXPECT_FALSE(fs::exists(image));

  std::ofstream(dir_ / "damaged.out") << " Quarlin\r\n";
  fs::copy_file(kData / "sleep.aux", dir_ / "damaged.aux");
  o = Run(Quoted(dir_ / "damaged") + " --type 2 --output " + Quoted(image));
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("damaged"), std::string::npos) << o.err;
  EXPECT_FALSE(fs::exists(image));

  o = Run(Quoted(kData / "sleep") + " --type 1 --output " + Quoted(dir_ / "graph.jpg"));
  EXPECT_EQ(o.status, 1);
  EXPECT_FALSE(fs::exists(dir_ / "graph.jpg"));
  o = Run(Quoted(kData / "sleep") + " --type 1 --output " + Quoted(dir_ / "no" / "graph.png"));
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("could not be written"), std::string::npos) << o.err;

  EXPECT_EQ(Run(Quoted(kData / "sleep") + " --type 7 --output " + Quoted(image)).status, 2);
  EXPECT_FALSE(fs::exists(image));
}

// A report cut short says at once what it lacks and which graph that stops:
// a graph drawn from a part that is whole is still drawn, one that needs the
// missing part is not, and "all" draws none of them.
struct CutCase {
  std::string name;
  std::string cutBefore;  // the report ends before the first line beginning so,
  int linesKept;          // or that many lines after its start
  std::string type;
  int status;
  std::string err;  // after "The file \"PATH\" is incomplete: "
};

class CliGraphCutReportTest : public CliGraphTest, public testing::WithParamInterface<CutCase> {};

TEST_P(CliGraphCutReportTest, SaysAtOnceWhatIsMissing) {
  const CutCase& c = GetParam();
  std::string report;
  {
    std::ifstream in(kData / "sleep.out", std::ios::binary);
    report.assign(std::istreambuf_iterator<char>(in), {});
  }
  size_t end = report.find("\r\n" + c.cutBefore);
  ASSERT_NE(end, std::string::npos);
  end += 2;
  for (int i = 0; i < c.linesKept; ++i) end = report.find("\r\n", end) + 2;
  const fs::path out = dir_ / "cut.out";
  std::ofstream(out, std::ios::binary) << report.substr(0, end);
  fs::copy_file(kData / "sleep.aux", dir_ / "cut.aux");
  const fs::path images = dir_ / "images";
  const fs::path image = c.type == "all" ? images : images / "g.png";
  if (c.type != "all") fs::create_directories(images);
  const Outcome o = Run(Quoted(dir_ / "cut") + " --type " + c.type + " --output " + Quoted(image));
  EXPECT_EQ(o.status, c.status);
  EXPECT_EQ(o.err, "The file \"" + out.string() + "\" is incomplete: " + c.err + "\n");
  const bool drawn = c.status == 0;
  EXPECT_EQ(fs::exists(images / "g.png"), drawn && c.type != "all");
  // Nothing is made for "all", not even its folder.
  EXPECT_EQ(fs::exists(images), c.type != "all");
}

const std::string kBeforeReturnPeriods = "the report ends before its table of return periods";

INSTANTIATE_TEST_SUITE_P(
    Sections, CliGraphCutReportTest,
    testing::Values(
        CutCase{"ReturnGraphLacksItsTable", " Return period", -1, "return", 1,
                kBeforeReturnPeriods + ". No graph was drawn."},
        CutCase{"CumulativeGraphIsDrawn", " Return period", -1, "cumulative", 0,
                kBeforeReturnPeriods + ". The graph is drawn from the parts it holds."},
        CutCase{"AllDrawsNone", " Return period", -1, "all", 1,
                kBeforeReturnPeriods + ". No graph was drawn."},
        CutCase{"InsideObservations", " Observed and calculated", 5 + 5, "predicted-observed", 1,
                "the report ends inside its table of observed and calculated cumulative "
                "frequencies, after 5 of its 20 rows. No graph was drawn."},
        CutCase{"IntervalsBeforeObservations", " Observed and calculated", 5 + 5, "interval", 0,
                "the report ends inside its table of observed and calculated cumulative "
                "frequencies, after 5 of its 20 rows. The graph is drawn from the parts it "
                "holds."},
        CutCase{"XLimitsLast", " Confidence limits", 6 + 3, "x-confidence", 1,
                "the report ends inside its table of confidence limits of calculated X-values, "
                "after 3 of its 20 rows. No graph was drawn."},
        CutCase{"Header", " Number of data used", -1, "histogram", 1,
                "the report ends before its number of data. No graph was drawn."}),
    [](const auto& info) { return info.param.name; });

// The committed graphs of Data/graphs are what the command draws now. The
// plot areas must agree pixel for pixel; only the interval graph's "#" marks
// are text there, and glyphs may differ by a few pixels between font builds.
TEST_F(CliGraphTest, BundledGraphsAreWhatTheCommandDraws) {
  ASSERT_EQ(Run(Quoted(kData / "portpirie") + " --type all --output " + Quoted(dir_)).status, 0);
  for (const char* name :
       {"cumulative", "interval", "x-confidence", "return", "predicted-observed", "histogram"}) {
    const std::string file = "portpirie-" + std::string(name) + ".png";
    const QImage committed(QString::fromStdString((kData / "graphs" / file).string()));
    const QImage drawn(QString::fromStdString((dir_ / file).string()));
    ASSERT_EQ(committed.size(), drawn.size()) << file;
    int differing = 0;
    for (int x = 71; x < 570; ++x) {
      for (int y = 100; y < 350; ++y) differing += committed.pixel(x, y) != drawn.pixel(x, y);
    }
    EXPECT_LE(differing, std::string(name) == "interval" ? 60 : 0) << file;
  }
}

// A graph that cannot be written says why, as the run's messages do, and
// leaves what stood in its place as it was.
struct UnwritableCase {
  std::string name;
  std::string setup;   // shell commands run in the test's folder
  std::string output;  // relative to the test's folder
  std::string reason;
};

class CliGraphUnwritableTest : public CliGraphTest,
                               public testing::WithParamInterface<UnwritableCase> {};

TEST_P(CliGraphUnwritableTest, SaysWhyAndWritesNothing) {
  const UnwritableCase& c = GetParam();
  ASSERT_EQ(std::system(("cd " + Quoted(dir_) + " && " + c.setup).c_str()), 0);
  const fs::path image = dir_ / c.output;
  std::error_code error;
  const auto before = fs::symlink_status(image, error).type();
  const Outcome o = Run(Quoted(kData / "sleep") + " --type 1 --output " + Quoted(image));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "The graph could not be written to " + image.string() + " (" + c.reason + ")\n");
  EXPECT_EQ(fs::symlink_status(image, error).type(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Places, CliGraphUnwritableTest,
    testing::Values(
        UnwritableCase{"ThroughAFile", "echo x >plain", "plain/g.png", "Not a directory"},
        UnwritableCase{"MissingFolder", "true", "no/g.png", "No such file or directory"},
        UnwritableCase{"NameTooLong", "true", std::string(300, 'n') + ".png", "File name too long"},
        UnwritableCase{"AFolder", "mkdir f.png", "f.png", "Is a directory"},
        UnwritableCase{"APipe", "mkfifo p.png", "p.png", "Not a regular file"},
        UnwritableCase{"LinkToADevice", "ln -s /dev/full full.bmp", "full.bmp",
                       "/dev/full: Not a regular file"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CliGraphTest, ReadOnlyFolderSaysWhy) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  fs::create_directory(dir_ / "ro");
  fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path image = dir_ / "ro" / "g.png";
  const Outcome o = Run(Quoted(kData / "sleep") + " --type 1 --output " + Quoted(image));
  fs::permissions(dir_ / "ro", fs::perms::owner_all);
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err,
            "The graph could not be written to " + image.string() + " (Permission denied)\n");
  EXPECT_TRUE(fs::is_empty(dir_ / "ro"));
}

// The longest name the folder takes, and a link written through to the file
// it ends at.
TEST_F(CliGraphTest, LongestNameAndLinkAreWritten) {
  const long longest = ::pathconf(dir_.c_str(), _PC_NAME_MAX);
  const fs::path image = dir_ / (std::string(longest - 4, 'g') + ".png");
  Outcome o = Run(Quoted(kData / "sleep") + " --type 1 --output " + Quoted(image));
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(PanelPixel(image), 0x00008bu);

  fs::create_directory(dir_ / "kept");
  fs::create_symlink("kept/real.bmp", dir_ / "link.bmp");
  o = Run(Quoted(kData / "sleep") + " --type 1 --output " + Quoted(dir_ / "link.bmp"));
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.bmp"));
  EXPECT_EQ(PanelPixel(dir_ / "kept" / "real.bmp"), 0x00008bu);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "kept"), fs::directory_iterator{}), 1);
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename());
  EXPECT_EQ(names, (std::set<std::string>{image.filename(), "kept", "link.bmp", "stderr"}));
}

}  // namespace
