#include "qt/serial_port_list.h"

#include <QSerialPortInfo>

namespace rt {

SerialPortLister MakeQtSerialPortLister() {
  return [] {
    std::vector<SerialPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
      SerialPortInfo p;
      p.name = info.portName().toStdString();
      p.location = info.systemLocation().toStdString();
      QString about = info.description();
      const QString maker = info.manufacturer();
      if (!maker.isEmpty() && !about.contains(maker))
        about += (about.isEmpty() ? "" : ", ") + maker;
      p.description = about.toStdString();
      p.serialNumber = info.serialNumber().toStdString();
      p.stablePath = StablePathOf(p.location);
      p.access = CheckPortAccess(p.location, &p.group);
      ports.push_back(std::move(p));
    }
    return ports;
  };
}

}  // namespace rt
