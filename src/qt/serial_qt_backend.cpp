#include "qt/serial_qt_backend.h"

#include <QSerialPort>

namespace rt {
namespace {

int MapOpenError(QSerialPort::SerialPortError e) {
  switch (e) {
    case QSerialPort::DeviceNotFoundError:
      return kRs232NoPortFound;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
      return kRs232CannotOpenPort;
    case QSerialPort::UnsupportedOperationError:
      return kRs232InvalidParameter;
    case QSerialPort::TimeoutError:
      return kRs232Timeout;
    default:
      return kRs232UnknownSysErr;
  }
}

// A line that is gone for good: the device vanished or its far end hung up.
bool LineGone(QSerialPort::SerialPortError e) {
  return e == QSerialPort::ResourceError || e == QSerialPort::ReadError;
}

class QtPortBackend : public PortBackend {
 public:
  QtPortBackend() {
    // Bytes arriving wake a waiting event loop through the port's notifier;
    // a line that goes away is closed at once, or its notifier would fire
    // without end and keep the program busy.
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
      if (!LineGone(e) || !port_.isOpen()) return;
      lost_ = true;
      port_.close();
    });
  }

  int open(const PortSettings& s) override {
    lost_ = false;
    port_.setPortName(QString::fromStdString(s.device));
    if (!port_.open(QIODevice::ReadWrite)) return MapOpenError(port_.error());
    bool ok = port_.setBaudRate(static_cast<qint32>(s.baud)) &&
              port_.setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits)) &&
              port_.setParity(QSerialPort::NoParity) &&
              port_.setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
              port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
      port_.close();
      return kRs232InvalidParameter;
    }
    port_.setReadBufferSize(s.inQueueSize);
    return 0;
  }
  void close() override {
    if (port_.isOpen()) port_.close();
  }
  int write(const std::uint8_t* data, int count) override {
    if (!port_.isOpen()) return 0;
    qint64 n = port_.write(reinterpret_cast<const char*>(data), count);
    port_.flush();
    return n < 0 ? 0 : static_cast<int>(n);
  }
  int read(std::uint8_t* data, int count) override {
    if (count <= 0 || !port_.isOpen()) return 0;
    qint64 n = port_.read(reinterpret_cast<char*>(data), count);
    return n < 0 ? 0 : static_cast<int>(n);
  }
  int bytesWaiting() override {
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
  }
  void flushIn() override {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
  }
  void flushOut() override {
    if (port_.isOpen()) port_.clear(QSerialPort::Output);
  }
  // Pulls what the device holds into the input queue without waiting, so the
  // line works inside waiting loops as well as in the event loop.
  void poll() override {
    if (port_.isOpen()) port_.waitForReadyRead(0);
  }
  bool lost() override { return lost_; }

 private:
  QSerialPort port_;
  bool lost_ = false;
};

}  // namespace

std::unique_ptr<PortBackend> MakeQtPortBackend() {
  return std::make_unique<QtPortBackend>();
}

}  // namespace rt
