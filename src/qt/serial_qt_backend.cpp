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

class QtPortBackend : public PortBackend {
 public:
  int open(const PortSettings& s) override {
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
    qint64 n = port_.write(reinterpret_cast<const char*>(data), count);
    port_.flush();
    return n < 0 ? 0 : static_cast<int>(n);
  }
  int read(std::uint8_t* data, int count) override {
    if (count <= 0) return 0;
    qint64 n = port_.read(reinterpret_cast<char*>(data), count);
    return n < 0 ? 0 : static_cast<int>(n);
  }
  int bytesWaiting() override { return static_cast<int>(port_.bytesAvailable()); }
  void flushIn() override {
    port_.clear(QSerialPort::Input);
    port_.readAll();
  }
  void flushOut() override { port_.clear(QSerialPort::Output); }
  // Pulls what the device holds into the input queue without waiting, so the
  // line works inside waiting loops as well as in the event loop.
  void poll() override {
    if (port_.isOpen()) port_.waitForReadyRead(0);
  }

 private:
  QSerialPort port_;
};

}  // namespace

std::unique_ptr<PortBackend> MakeQtPortBackend() {
  return std::make_unique<QtPortBackend>();
}

}  // namespace rt
