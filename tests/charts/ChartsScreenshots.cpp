// The screenshot of the detection log window for the documentation: four weeks of a shop's
// simulated log (busy at lunch and in the evening, closed on Wednesdays, set 2 at weekends),
// written as the tool writes a fetched log. Run under a display (Xvfb):
//   charts_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <array>
#include <cstdio>

#include "app/QtTranslations.h"
#include "charts/CDetectionLogDlg.h"
#include "files/DetectionLogCsv.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/qt/WindowShot.h"

namespace {

using namespace morvik;

// The CSV the tool writes for these records, block by block as they arrive.
std::string Csv(const std::vector<std::string>& records) {
    std::string csv;
    std::int64_t written = 0;
    const auto total = static_cast<std::int64_t>(records.size());
    for (std::size_t first = 0; first < records.size(); first += kDetectionLogRecordsPerBlock) {
        std::array<std::uint8_t, kDetectionLogRecordSize * kDetectionLogRecordsPerBlock> block{};
        for (std::size_t k = first; k < records.size() && k < first + kDetectionLogRecordsPerBlock;
             ++k) {
            std::copy(records[k].begin(), records[k].end(),
                      block.begin() + static_cast<long>((k - first) * kDetectionLogRecordSize));
        }
        csv += DetectionLogBlockToCsv(block, written, total);
    }
    return csv;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: charts_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    InstallQtJapanese(app);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    test::TempDir files;
    const std::string path = files.File("dlog-20240529.csv");
    test::WriteWholeFile(path, Csv(test::MakeShopRecords(28, 30, 7)));
    CDetectionLogDlg* window = CDetectionLogDlg::Open(
        QString::fromStdString(path), nullptr, [](const QString& text, QWidget*) {
            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        });
    if (window == nullptr) {
        return 1;
    }
    const bool ok = test::SaveWindowShot(*window, folder, "detection-log-window");
    window->close();
    return ok ? 0 : 1;
}
