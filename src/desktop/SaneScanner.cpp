#include "desktop/SaneScanner.h"

#include "decoding/ScanFrame.h"
#include "desktop/SaneOptions.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QStringList>

#include <sane/sane.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace {

// SANE for the length of one operation.
class SaneSession {
public:
    SaneSession() { m_ok = sane_init(&m_version, nullptr) == SANE_STATUS_GOOD; }
    ~SaneSession() {
        if (m_ok) {
            sane_exit();
        }
    }
    SaneSession(const SaneSession&) = delete;
    SaneSession& operator=(const SaneSession&) = delete;
    bool Ok() const { return m_ok; }
    SANE_Int Version() const { return m_version; }

private:
    bool m_ok = false;
    SANE_Int m_version = 0;
};

struct Device {
    QString name;
    QString description;
};

std::vector<Device> ListDevices() {
    const SANE_Device** devices = nullptr;
    std::vector<Device> list;
    if (sane_get_devices(&devices, SANE_FALSE) != SANE_STATUS_GOOD || devices == nullptr) {
        return list;
    }
    for (int i = 0; devices[i] != nullptr; ++i) {
        const SANE_Device* device = devices[i];
        list.push_back(
            {QString::fromUtf8(device->name),
             QStringLiteral("%1 %2 (%3)")
                 .arg(QString::fromUtf8(device->vendor), QString::fromUtf8(device->model),
                      QString::fromUtf8(device->name))});
    }
    return list;
}

std::optional<ScanFrame::Kind> KindOf(SANE_Frame format) {
    switch (format) {
    case SANE_FRAME_GRAY:
        return ScanFrame::Kind::Grey;
    case SANE_FRAME_RGB:
        return ScanFrame::Kind::Rgb;
    case SANE_FRAME_RED:
        return ScanFrame::Kind::Red;
    case SANE_FRAME_GREEN:
        return ScanFrame::Kind::Green;
    case SANE_FRAME_BLUE:
        return ScanFrame::Kind::Blue;
    default:
        return std::nullopt;
    }
}

} // namespace

SaneScanner::SaneScanner(Prompts& prompts) : m_prompts(prompts) {}

bool SaneScanner::IsAvailable() {
    // Without a device there is nothing to scan from: say so before the picture is touched.
    const SaneSession session;
    return session.Ok() && !ListDevices().empty();
}

int SaneScanner::EasyVersion() {
    const SaneSession session;
    if (!session.Ok()) {
        return 0;
    }
    return SANE_VERSION_MAJOR(session.Version()) * 100 + SANE_VERSION_MINOR(session.Version());
}

void SaneScanner::SelectImageSource() {
    const SaneSession session;
    if (!session.Ok()) {
        return;
    }
    const std::vector<Device> devices = ListDevices();
    if (devices.empty()) {
        return;
    }
    QStringList names;
    for (const Device& device : devices) {
        names << device.description;
    }
    if (const auto chosen =
            m_prompts.AskChoice(QStringLiteral("Select the scanner to acquire from:"),
                                QStringLiteral("Select Source"), names)) {
        m_device = devices[static_cast<size_t>(*chosen)].name;
    }
}

QImage SaneScanner::Acquire(const QString& deviceName, const Steps& steps) {
    SANE_Handle handle = nullptr;
    if (sane_open(deviceName.toUtf8().constData(), &handle) != SANE_STATUS_GOOD) {
        return {};
    }
    if (steps.settings) {
        const SaneOptions options(handle);
        const std::optional<ScanSettings> chosen = steps.settings(options.Request(deviceName));
        if (!chosen) {
            sane_close(handle);
            return {};
        }
        options.Apply(*chosen);
    }
    QImage image;
    bool lastFrame = false;
    while (!lastFrame) {
        SANE_Parameters p{};
        if (sane_start(handle) != SANE_STATUS_GOOD ||
            sane_get_parameters(handle, &p) != SANE_STATUS_GOOD || p.pixels_per_line <= 0 ||
            p.bytes_per_line <= 0) {
            image = QImage();
            break;
        }
        std::vector<SANE_Byte> bytes;
        SANE_Byte buffer[32768];
        SANE_Int length = 0;
        SANE_Status status = SANE_STATUS_GOOD;
        const qint64 expected = p.lines > 0 ? static_cast<qint64>(p.lines) * p.bytes_per_line : 0;
        bool cancelled = false;
        while ((status = sane_read(handle, buffer, sizeof buffer, &length)) == SANE_STATUS_GOOD) {
            bytes.insert(bytes.end(), buffer, buffer + length);
            if (steps.keepGoing && !steps.keepGoing(static_cast<qint64>(bytes.size()), expected)) {
                cancelled = true;
                break;
            }
        }
        if (cancelled) {
            image = QImage();
            break;
        }
        if (status != SANE_STATUS_EOF) {
            image = QImage();
            break;
        }
        const int lines =
            p.lines > 0 ? p.lines
                        : static_cast<int>(bytes.size() / static_cast<size_t>(p.bytes_per_line));
        bytes.resize(static_cast<size_t>(lines) * static_cast<size_t>(p.bytes_per_line));
        if (image.isNull()) {
            image = QImage(p.pixels_per_line, lines, QImage::Format_RGB32);
            image.fill(Qt::black);
        }
        const std::optional<ScanFrame::Kind> kind = KindOf(p.format);
        // A frame this program cannot read brings no picture rather than a wrong one.
        if (!kind ||
            !StoreScanFrame(image, {*kind, p.depth, p.pixels_per_line, p.bytes_per_line, lines},
                            bytes.data(), bytes.size())) {
            image = QImage();
            break;
        }
        lastFrame = p.last_frame != SANE_FALSE;
    }
    sane_cancel(handle);
    sane_close(handle);
    return image;
}

bool SaneScanner::AcquireToClipboard() {
    const SaneSession session;
    if (!session.Ok()) {
        return false;
    }
    if (m_device.isEmpty()) {
        const std::vector<Device> devices = ListDevices();
        if (devices.empty()) {
            return false;
        }
        m_device = devices.front().name;
    }
    // The device's own settings first, then the image with its progress and a Cancel. The
    // progress box belongs to the transfer alone: made before the settings dialog closed, its
    // own timer would put it over that dialog and block it.
    std::unique_ptr<QProgressDialog> progress;
    Steps steps;
    steps.settings = [this](const ScanSettingsRequest& request) {
        return m_prompts.AskScanSettings(request);
    };
    steps.keepGoing = [&progress, this](qint64 done, qint64 expected) {
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(
                QStringLiteral("Scanning from %1 ...").arg(m_device), QStringLiteral("Cancel"), 0,
                1000, QApplication::activeWindow());
            progress->setWindowTitle(QStringLiteral("Scan"));
            progress->setWindowModality(Qt::ApplicationModal);
            progress->setMinimumDuration(500);
            progress->setAutoClose(false);
            progress->setAutoReset(false);
        }
        if (expected > 0) {
            progress->setValue(
                static_cast<int>(std::min<qint64>(done, expected) * 1000 / expected));
        }
        QCoreApplication::processEvents();
        return !progress->wasCanceled();
    };
    const QImage image = Acquire(m_device, steps);
    progress.reset();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (image.isNull() || clipboard == nullptr) {
        return false;
    }
    clipboard->setImage(image);
    return true;
}
