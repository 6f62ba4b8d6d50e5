// A batch on several threads shares one budget of image memory: threads
// drawing the largest symbols take turns instead of each holding its own.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// What one of the largest stretched symbols costs is about 530 MB at its
// peak; three at once would pass this limit of the process's data.
constexpr rlim_t DataLimit = 1200LL << 20;

TEST(ImageMemory, ThreadsOfABatchShareOneBudget) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit a data limit";
#endif
  QTemporaryDir folder;
  QFile input(folder.filePath("in.txt"));
  ASSERT_TRUE(input.open(QIODevice::WriteOnly));
  input.write("ABCDEFGHIJ1\nABCDEFGHIJ2\nABCDEFGHIJ3\n");
  input.close();
  QProcess process;
  process.setChildProcessModifier([] {
    const rlimit limit{DataLimit, DataLimit};
    setrlimit(RLIMIT_DATA, &limit);
  });
  process.start(STRIPEMAKER, {"-c", "TBarcode_Code39", "-p", "StretchWidth=True", "-p", "BarcodeWidth=32000", "-p",
                              "BarcodeHeight=2000", "-p", "Module=30", "--jobs", "3", "--batch", input.fileName(), "-o",
                              folder.filePath("out")});
  ASSERT_TRUE(process.waitForFinished(120000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  for (const char* name : {"000001.png", "000002.png", "000003.png"})
    EXPECT_TRUE(QFile::exists(folder.filePath("out/") + name)) << name;
}

}  // namespace
