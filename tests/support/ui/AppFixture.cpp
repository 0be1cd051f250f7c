#include "support/ui/AppFixture.h"

#include "platform/NativePath.h"

namespace ordovan::testing {

std::string ProgramPathOf(const std::filesystem::path& native) {
  const auto program = ToProgramPath(native);
  EXPECT_TRUE(program.has_value()) << "no program path for " << native;
  return program.value_or("");
}

void WhenModalOpens(std::function<void(QWidget* modal)> action) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      action(modal);
    }
  });
  timer->start();
}

AppFixture::AppFixture()
    : sandbox_program_path_(ProgramPathOf(tree_.root())),
      file_system_(FileSystem::Default(), sandbox_program_path_) {
  services_.prompter = &prompter_;
  services_.dialogs = &dialogs_;
  services_.shell = &shell_;
  services_.file_system = &file_system_;
  services_.pump = &EventPump::None();
  services_.settings = &settings_;
}

AppFixture::~AppFixture() { windows_.reset(); }

void AppFixture::StartWindows() {
  StartWindowsWithResultsWindow();
  main().SetResultsWindow(&results_);
}

void AppFixture::StartWindowsWithResultsWindow() {
  windows_ = std::make_unique<AppWindows>(services_);
}

}  // namespace ordovan::testing
