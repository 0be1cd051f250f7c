// Pictures of the results windows for a person to look at: run with
// ORDOVAN_PICTURES set to a folder and each window is drawn into it as PNG.

#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>

#include "reorganizer/ui/TfrmStatistic14.h"
#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"
#include "shell/ui/QtEventPump.h"
#include "support/RecordingPrompter.h"

namespace ordovan {
namespace {

void Save(QWidget& window, const QString& folder, const QString& name) {
  window.show();
  const QPixmap picture = window.grab();
  const QString path = QDir(folder).filePath(name + ".png");
  EXPECT_TRUE(picture.save(path)) << path.toStdString();
}

TEST(ResultsPictures, DrawsTheResultsWindowsAfterARun) {
  const QString folder = qEnvironmentVariable("ORDOVAN_PICTURES");
  if (folder.isEmpty()) GTEST_SKIP() << "ORDOVAN_PICTURES not set";
  ASSERT_TRUE(QDir().mkpath(folder));

  testing::RecordingPrompter prompter;
  QtEventPump pump;
  AppServices services;
  services.prompter = &prompter;
  services.pump = &pump;
  TfrmVol14ZoomStatistics zoom;
  TfrmStatistic14 results(services, zoom);
  Save(results, folder, "TfrmStatistic14-start");

  const char* included[] = {"f:\\Old Clients\\Client2\\2015", "f:\\Old Clients\\Client2\\2016\\emails",
                            "f:\\Old Clients\\Client2\\2016\\txt", "f:\\Business\\Client3\\2016\\txt",
                            "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                            "f:\\Old Clients\\Client1\\2016\\docs\\ppt"};
  for (const char* path : included) results.RecordResult(ResultCategory::ToReorganize, path);
  for (const char* path : {"f:\\New Clients\\2015\\Client2\\Old Clients",
                           "f:\\New Clients\\2016\\Client2\\Old Clients",
                           "f:\\New Clients\\2016\\Client3\\Business",
                           "f:\\New Clients\\2016\\Client1\\Old Clients"})
    results.RecordResult(ResultCategory::MainFoldersReorganized, path);
  for (const char* path : {"f:\\New Clients\\2016\\Client2\\Old Clients\\emails",
                           "f:\\New Clients\\2016\\Client2\\Old Clients\\txt",
                           "f:\\New Clients\\2016\\Client3\\Business\\txt",
                           "f:\\New Clients\\2016\\Client1\\Old Clients\\docs\\pdf",
                           "f:\\New Clients\\2016\\Client1\\Old Clients\\docs\\ppt"})
    results.RecordResult(ResultCategory::SubfoldersReorganized, path);
  for (const char* path :
       {"f:\\New Clients\\2015\\Client2\\Old Clients\\f--Old Clients-Client2-2015-Notes.txt",
        "f:\\New Clients\\2016\\Client2\\Old Clients\\emails\\mail.eml"})
    results.RecordResult(ResultCategory::FilesReorganized, path);
  results.RecordResult(ResultCategory::SourceNotExists, "f:\\Old Clients\\Client4\\2017");
  for (const char* path : {"f:\\New Clients\\2016\\Client2\\Old Clients",
                           "f:\\New Clients\\2016\\Client1\\Old Clients"})
    results.RecordResult(ResultCategory::DestinationExists, path);
  results.RecordFailedUndo("f:\\New Clients\\2016\\Client1\\Old Clients\\docs");
  Save(results, folder, "TfrmStatistic14-after-run");

  results.ShowFilesControls(false);
  Save(results, folder, "TfrmStatistic14-without-files");

  results.btnStat14ZoomMainFoldersRestructuredClick();
  Save(zoom, folder, "TfrmVol14ZoomStatistics");
}

}  // namespace
}  // namespace ordovan
