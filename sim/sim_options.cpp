#include "sim_options.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <type_traits>

namespace sim {

namespace {

bool ToLong(const std::string& s, long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtol(s.c_str(), &end, 0);
  return *end == '\0';
}

bool ToDouble(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return *end == '\0';
}

// Codes given on the command line, applied over the preset at the end.
struct ModelChoice {
  std::string preset = "XB-8";
  std::optional<long> hardware, model, firmware, subpixels, videoScale;
  std::optional<std::string> text;
};

SensorModel BuildModel(const ModelChoice& c, std::string& error) {
  const int fw = static_cast<int>(c.firmware.value_or(318));
  SensorModel m;
  if (c.hardware || c.model) {
    const auto base = MakeModel(c.preset, fw);
    const int hw = static_cast<int>(c.hardware.value_or(base ? base->hardwareCode : 1));
    const int mc = static_cast<int>(c.model.value_or(base ? base->modelCode : 80));
    m = MakeModelFromCodes(hw, mc, fw);
  } else if (auto preset = MakeModel(c.preset, fw)) {
    m = *preset;
  } else {
    error = "unknown model preset: " + c.preset;
    return m;
  }
  if (c.subpixels) {
    m.subpixelRange = static_cast<std::uint16_t>(*c.subpixels);
    m.flashGraphRange = m.subpixelRange;
  }
  if (c.videoScale) m.videoFullScaleCode = static_cast<std::uint16_t>(*c.videoScale);
  if (c.text) m.firmwareText = *c.text;
  return m;
}

}  // namespace

// "WORD=VALUE": a parameter word the sensor holds at power-up.
static bool ParseParaWord(const std::string& v, int frame, SensorConfig& sensor) {
  const auto eq = v.find('=');
  long word, value;
  if (eq == std::string::npos || !ToLong(v.substr(0, eq), word) ||
      !ToLong(v.substr(eq + 1), value) || word < 0 || word > 14 || value < 0 || value > 65535)
    return false;
  sensor.powerUpWords.push_back({frame, static_cast<int>(word), static_cast<std::uint16_t>(value)});
  return true;
}

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
  SimOptions o;
  ModelChoice model;
  Faults& f = o.sensor.faults;
  ObjectMotion& motion = o.sensor.motion;

  using Handler = std::function<bool(const std::string&)>;
  auto integer = [](auto& target) {
    return [&target](const std::string& v) {
      long n;
      if (!ToLong(v, n)) return false;
      target = static_cast<std::remove_reference_t<decltype(target)>>(n);
      return true;
    };
  };
  auto optionalInteger = [](std::optional<long>& target) {
    return [&target](const std::string& v) {
      long n;
      if (!ToLong(v, n)) return false;
      target = n;
      return true;
    };
  };
  auto real = [](double& target) {
    return [&target](const std::string& v) { return ToDouble(v, target); };
  };
  const std::map<std::string, Handler> withValue = {
      {"--dir",
       [&](const std::string& v) {
         o.dir = v;
         return !v.empty();
       }},
      {"--port", integer(o.port)},
      {"--model",
       [&](const std::string& v) {
         model.preset = v;
         return true;
       }},
      {"--hardware-code", optionalInteger(model.hardware)},
      {"--model-code", optionalInteger(model.model)},
      {"--firmware", optionalInteger(model.firmware)},
      {"--subpixels", optionalInteger(model.subpixels)},
      {"--video-scale", optionalInteger(model.videoScale)},
      {"--firmware-text",
       [&](const std::string& v) {
         model.text = v;
         return true;
       }},
      {"--baud-index", integer(o.sensor.baudIndex)},
      {"--seed", integer(o.sensor.seed)},
      {"--object-center", real(motion.center)},
      {"--object-width", real(motion.width)},
      {"--swing", real(motion.swing)},
      {"--swing-period", real(motion.period)},
      {"--edge-noise", integer(motion.edgeNoise)},
      {"--video-noise", integer(motion.videoNoise)},
      {"--housing-tolerance", integer(motion.housingTolerance)},
      {"--trigger-period", real(o.sensor.triggerPeriod)},
      {"--mute",
       [&](const std::string& v) {
         long n;
         if (!ToLong(v, n)) return false;
         f.muteCommands.insert(static_cast<int>(n));
         return true;
       }},
      {"--para0", [&](const std::string& v) { return ParseParaWord(v, 0, o.sensor); }},
      {"--para1", [&](const std::string& v) { return ParseParaWord(v, 1, o.sensor); }},
      {"--fault-command", integer(f.faultCommand)},
      {"--drop", integer(f.dropNth)},
      {"--delay", real(f.delay)},
      {"--extra-bytes", integer(f.extraBytes)},
      {"--short", integer(f.shortBytes)},
      {"--reply-word1",
       [&](const std::string& v) {
         const auto colon = v.find(':');
         long cmd, word;
         if (colon == std::string::npos || !ToLong(v.substr(0, colon), cmd) ||
             !ToLong(v.substr(colon + 1), word))
           return false;
         f.replyWord1[static_cast<int>(cmd)] = static_cast<int>(word);
         return true;
       }},
  };
  const std::map<std::string, std::function<void()>> flags = {
      {"--help", [&] { o.help = true; }},
      {"-h", [&] { o.help = true; }},
      {"--list-models", [&] { o.listModels = true; }},
      {"--immediate", [&] { o.immediate = true; }},
      {"--any-rate", [&] { o.anyRate = true; }},
      {"--verbose", [&] { o.verbose = true; }},
      {"--quiet", [&] { o.verbose = false; }},
      {"--static",
       [&] {
         motion.swing = 0;
         motion.edgeNoise = 0;
         motion.videoNoise = 0;
       }},
      {"--no-object", [&] { motion.present = false; }},
      {"--trigger-in-mode1", [&] { o.sensor.triggerOnlyInRecorderMode = true; }},
      {"--silent", [&] { f.silent = true; }},
      {"--no-baud-ack", [&] { f.noBaudAck = true; }},
      {"--echo-sync-word1", [&] { f.echoForm = EchoForm::kSyncInWord1; }},
      {"--echo-no-sync", [&] { f.echoForm = EchoForm::kNoSync; }},
  };

  for (std::size_t i = 0; i < args.size() && o.error.empty(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    if (auto flag = flags.find(name); flag != flags.end() && !value) {
      flag->second();
    } else if (auto opt = withValue.find(name); opt != withValue.end()) {
      if (!value && i + 1 < args.size()) value = args[++i];
      if (!value || !opt->second(*value)) o.error = "bad or missing value for " + name;
    } else {
      o.error = "unknown option: " + args[i];
    }
  }
  if (o.error.empty()) o.sensor.model = BuildModel(model, o.error);
  if (o.error.empty() && (o.port < 1 || o.port > 255)) o.error = "port number must be 1..255";
  if (o.error.empty() && (o.sensor.baudIndex < 0 || o.sensor.baudIndex > 4))
    o.error = "baud index must be 0..4";
  return o;
}

std::string ModelList() {
  std::ostringstream out;
  for (const auto& p : ModelPresets())
    out << p.name << "\thardware code " << p.hardwareCode << ", model code " << p.modelCode
        << ", \"" << FirmwareText(p.title, 318) << "\"\n";
  return out.str();
}

std::string SimUsage() {
  return R"(kavro-xb-sim: a virtual KAVRO-XB sensor on a pseudo-terminal.

It opens a pseudo-terminal, links it as <dir>/COM<n> (replacing a stale link)
and answers the sensor protocol on it, paced to the baud rate the program set
on the line. Each request frame received is printed as one line:
  rx cmd=<command> arg=<argument> data=<15 words> t=<seconds>
It stops on SIGINT or SIGTERM and removes its link.

Where:
  --dir DIR               directory for the link (default: current directory)
  --port N                port number: the link is COM<N> (1..255, default 1)
  --immediate             answer at once instead of at the line rate
  --any-rate              answer whatever baud rate the program set on the line
                          (default: a rate other than the sensor's gets no answer)
  --quiet                 do not print received frames
  --verbose               print received frames (default)

Which sensor:
  --model NAME            model preset (default XB-8); --list-models shows them
  --list-models           print the model presets and exit
  --hardware-code N       hardware code reported for command 10
  --model-code N          model code reported for command 10
  --firmware N            firmware version x 100 (default 318 = V3.18)
  --subpixels N           subpixel range (default: the model's, for its firmware)
  --video-scale N         video full scale code, 256 or 1024
  --firmware-text TEXT    firmware text for command 7 (default "KAVRO-XB-... Firmware V3.18")
  --baud-index N          line rate at power-up: 0..4 = 9600, 19200, 38400, 57600, 115200
                          (default 1)
  --seed N                seed of the object's jitter and the video noise (default 1)
  --para0 W=V             PARA0 word W (0..14) holds V at power-up (RAM and EEPROM; repeatable)
  --para1 W=V             the same for PARA1

The object in the beam (fractions of the subpixel range):
  --object-center F       centre of the object (default 0.5)
  --object-width F        width of the object (default 0.25)
  --swing F               amplitude of the object's sine movement (default 0.05)
  --swing-period S        seconds per movement (default 4)
  --edge-noise N          +/- subpixels of jitter on each edge (default 2)
  --video-noise N         +/- counts of noise on each video point (default 3)
  --housing-tolerance N   tolerance set on the housing, in subpixels (default 25)
  --static                no movement and no noise
  --no-object             nothing in the beam

External trigger:
  --trigger-period S      send a recorder sample every S seconds on its own
  --trigger-in-mode1      ... only while PARA1 RS-232-Mode is 1 (EXT-IN0-L/H)

Faults:
  --silent                receive and print requests, answer nothing
  --mute CMD              carry out command CMD but do not answer it (repeatable)
  --fault-command CMD     --drop, --delay, --extra-bytes and --short apply only
                          to the replies to CMD (default: to every reply)
  --drop N                do not send the N-th reply (counting from 1)
  --delay S               wait S seconds before each reply
  --extra-bytes K         send K bytes of noise after each reply
  --short K               send only the first K bytes of each reply
  --no-baud-ack           ignore command 190 (no acknowledgement, no change)
  --echo-sync-word1       answer the echo check with 0x00AA in word 1, not word 0
  --echo-no-sync          answer the echo check without any 0x00AA
  --reply-word1 CMD:WORD  answer CMD with WORD in word 1 of the reply (repeatable),
                          e.g. 10:8 for a hardware answer that echoes command 8
  --help                  this text
)";
}

}  // namespace sim
