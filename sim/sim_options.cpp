#include "sim_options.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>

namespace sim {

namespace {

// Codes given on the command line, applied over the preset at the end.
struct ModelChoice {
  std::string preset = "XB-8";
  std::optional<long> hardware, model, firmware, subpixels, videoScale;
  std::optional<std::string> text;
};

// What the declarations collect and only the end of parsing can apply.
struct Collected {
  ModelChoice model;
  std::vector<int> mute;
  std::vector<std::string> para0, para1, replyWord1;
  bool still = false;
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

bool ToLong(const std::string& s, long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtol(s.c_str(), &end, 0);
  return *end == '\0';
}

// "WORD=VALUE": a parameter word the sensor holds at power-up.
bool ParseParaWord(const std::string& v, int frame, SensorConfig& sensor) {
  const auto eq = v.find('=');
  long word, value;
  if (eq == std::string::npos || !ToLong(v.substr(0, eq), word) ||
      !ToLong(v.substr(eq + 1), value) || word < 0 || word > 14 || value < 0 || value > 65535)
    return false;
  sensor.powerUpWords.push_back({frame, static_cast<int>(word), static_cast<std::uint16_t>(value)});
  return true;
}

// "CMD:WORD": the reply to CMD carries WORD in word 1.
bool ParseReplyWord1(const std::string& v, Faults& f) {
  const auto colon = v.find(':');
  long cmd, word;
  if (colon == std::string::npos || !ToLong(v.substr(0, colon), cmd) ||
      !ToLong(v.substr(colon + 1), word))
    return false;
  f.replyWord1[static_cast<int>(cmd)] = static_cast<int>(word);
  return true;
}

// An option whose value is kept only when it is given.
template <typename T>
CLI::Option* Optional(CLI::App& app, const std::string& name, std::optional<T>& target,
                      const std::string& what) {
  return app.add_option_function<T>(
      name, [&target](const T& v) { target = v; }, what);
}

const CLI::Validator kNotEmpty(
    [](std::string& v) { return v.empty() ? std::string("must not be empty") : std::string(); },
    "");

void DeclareWhere(CLI::App& app, SimOptions& o) {
  const std::string g = "Where";
  app.add_option("--dir", o.dir, "directory for the link (default: current directory)")
      ->check(kNotEmpty)
      ->type_name("DIR")
      ->group(g);
  app.add_option("--port", o.port, "port number: the link is COM<N> (default 1)")
      ->check(CLI::Range(1, 255))
      ->type_name("N")
      ->group(g);
  app.add_flag("--immediate", o.immediate, "answer at once instead of at the line rate")->group(g);
  app.add_flag("--spin", o.spin,
               "watch the line without sleeping: a request is heard the moment it is written "
               "and every byte leaves on its microsecond (keeps one core busy)")
      ->group(g);
  app.add_flag("--any-rate", o.anyRate,
               "answer any baud rate the program sets (default: only the sensor's)")
      ->group(g);
  // The last of the two on the command line counts; see Apply.
  app.add_flag("--quiet")->description("do not print received frames")->group(g);
  app.add_flag("--verbose")->description("print received frames (default)")->group(g);
}

void DeclareSensor(CLI::App& app, SimOptions& o, Collected& c) {
  const std::string g = "Which sensor";
  app.add_option("--model", c.model.preset, "model preset (default XB-8); --list-models shows them")
      ->type_name("NAME")
      ->group(g);
  app.add_flag("--list-models", o.listModels, "print the model presets and exit")->group(g);
  Optional(app, "--hardware-code", c.model.hardware, "hardware code reported for command 10")
      ->type_name("N")
      ->group(g);
  Optional(app, "--model-code", c.model.model, "model code reported for command 10")
      ->type_name("N")
      ->group(g);
  Optional(app, "--firmware", c.model.firmware, "firmware version x 100 (default 318 = V3.18)")
      ->type_name("N")
      ->group(g);
  Optional(app, "--subpixels", c.model.subpixels,
           "subpixel range (default: the model's, for its firmware)")
      ->type_name("N")
      ->group(g);
  Optional(app, "--video-scale", c.model.videoScale, "video full scale code, 256 or 1024")
      ->type_name("N")
      ->group(g);
  Optional(app, "--firmware-text", c.model.text,
           "firmware text for command 7 (default \"KAVRO-XB-... Firmware V3.18\")")
      ->type_name("TEXT")
      ->group(g);
  app.add_option("--baud-index", o.sensor.baudIndex,
                 "power-up rate 9600, 19200, 38400, 57600, 115200 (default 1)")
      ->check(CLI::Range(0, 4))
      ->type_name("N")
      ->group(g);
  app.add_option("--seed", o.sensor.seed,
                 "seed of the object's jitter and the video noise (default 1)")
      ->type_name("N")
      ->group(g);
  app.add_option("--para0", c.para0,
                 "PARA0 word W (0..14) holds V at power-up (RAM and EEPROM; repeatable)")
      ->allow_extra_args(false)
      ->type_name("W=V")
      ->group(g);
  app.add_option("--para1", c.para1, "the same for PARA1")
      ->allow_extra_args(false)
      ->type_name("W=V")
      ->group(g);
}

void DeclareObject(CLI::App& app, SimOptions& o, Collected& c) {
  const std::string g = "The object in the beam (fractions of the subpixel range)";
  ObjectMotion& m = o.sensor.motion;
  auto real = [&](const char* name, double& v, const char* what, const char* type) {
    app.add_option(name, v, what)->type_name(type)->group(g);
  };
  auto whole = [&](const char* name, int& v, const char* what) {
    app.add_option(name, v, what)->type_name("N")->group(g);
  };
  real("--object-center", m.center, "centre of the object (default 0.5)", "F");
  real("--object-width", m.width, "width of the object (default 0.25)", "F");
  real("--swing", m.swing, "amplitude of the object's sine movement (default 0.05)", "F");
  real("--swing-period", m.period, "seconds per movement (default 4)", "S");
  whole("--edge-noise", m.edgeNoise, "+/- subpixels of jitter on each edge (default 2)");
  whole("--video-noise", m.videoNoise, "+/- counts of noise on each video point (default 3)");
  whole("--housing-tolerance", m.housingTolerance,
        "tolerance set on the housing, in subpixels (default 25)");
  app.add_flag("--static", c.still, "no movement and no noise, unless given")->group(g);
  app.add_flag_callback(
         "--no-object", [&m] { m.present = false; }, "nothing in the beam")
      ->group(g);
}

void DeclareTrigger(CLI::App& app, SimOptions& o) {
  const std::string g = "External trigger";
  app.add_option("--trigger-period", o.sensor.triggerPeriod,
                 "send a recorder sample every S seconds on its own")
      ->type_name("S")
      ->group(g);
  app.add_flag("--trigger-in-mode1", o.sensor.triggerOnlyInRecorderMode,
               "... only while PARA1 RS-232-Mode is 1 (EXT-IN0-L/H)")
      ->group(g);
}

void DeclareFaults(CLI::App& app, SimOptions& o, Collected& c) {
  const std::string g = "Faults";
  Faults& f = o.sensor.faults;
  app.add_flag("--silent", f.silent, "receive and print requests, answer nothing")->group(g);
  app.add_option("--mute", c.mute, "carry out command CMD but do not answer it (repeatable)")
      ->allow_extra_args(false)
      ->type_name("CMD")
      ->group(g);
  app.add_option("--fault-command", f.faultCommand,
                 "the four below apply only to replies to CMD (default: all)")
      ->type_name("CMD")
      ->group(g);
  app.add_option("--drop", f.dropNth, "do not send the N-th reply (counting from 1)")
      ->type_name("N")
      ->group(g);
  app.add_option("--delay", f.delay, "wait S seconds before each reply")->type_name("S")->group(g);
  app.add_option("--extra-bytes", f.extraBytes, "send K bytes of noise after each reply")
      ->type_name("K")
      ->group(g);
  app.add_option("--short", f.shortBytes, "send only the first K bytes of each reply")
      ->type_name("K")
      ->group(g);
  app.add_flag("--no-baud-ack", f.noBaudAck, "ignore command 190 (no acknowledgement, no change)")
      ->group(g);
  app.add_flag("--babble", f.babble,
               "send random bytes back to back at the line's rate instead of any answer "
               "(SIGUSR1 switches it on and off)")
      ->group(g);
  auto* word1 = app.add_flag_callback(
      "--echo-sync-word1", [&f] { f.echoForm = EchoForm::kSyncInWord1; },
      "answer the echo check with 0x00AA in word 1, not word 0");
  auto* noSync = app.add_flag_callback(
      "--echo-no-sync", [&f] { f.echoForm = EchoForm::kNoSync; },
      "answer the echo check without any 0x00AA");
  word1->excludes(noSync)->group(g);
  noSync->group(g);
  app.add_option("--reply-word1", c.replyWord1,
                 "answer CMD with WORD in reply word 1 (repeatable), e.g. 10:8")
      ->allow_extra_args(false)
      ->type_name("CMD:WORD")
      ->group(g);
}

void Declare(CLI::App& app, SimOptions& o, Collected& c) {
  app.set_help_flag("-h,--help", "this text")->group("Where");
  app.get_formatter()->column_width(26);
  DeclareWhere(app, o);
  DeclareSensor(app, o, c);
  DeclareObject(app, o, c);
  DeclareTrigger(app, o);
  DeclareFaults(app, o, c);
}

// Applies what the declarations collected; returns the first mistake found.
std::string Apply(const CLI::App& app, SimOptions& o, const Collected& c) {
  for (const std::string& v : c.para0)
    if (!ParseParaWord(v, 0, o.sensor)) return "bad value for --para0: " + v;
  for (const std::string& v : c.para1)
    if (!ParseParaWord(v, 1, o.sensor)) return "bad value for --para1: " + v;
  for (const std::string& v : c.replyWord1)
    if (!ParseReplyWord1(v, o.sensor.faults)) return "bad value for --reply-word1: " + v;
  o.sensor.faults.muteCommands.insert(c.mute.begin(), c.mute.end());
  for (const CLI::Option* given : app.parse_order()) {
    if (given->check_name("--quiet")) o.verbose = false;
    if (given->check_name("--verbose")) o.verbose = true;
  }
  ObjectMotion& m = o.sensor.motion;
  if (c.still && !app.count("--swing")) m.swing = 0;
  if (c.still && !app.count("--edge-noise")) m.edgeNoise = 0;
  if (c.still && !app.count("--video-noise")) m.videoNoise = 0;
  std::string error;
  o.sensor.model = BuildModel(c.model, error);
  return error;
}

const char* const kName = "kavro-xb-sim";

const char* const kAbout = R"(kavro-xb-sim: a virtual KAVRO-XB sensor on a pseudo-terminal.

It opens a pseudo-terminal, links it as <dir>/COM<n> (replacing a stale link)
and answers the sensor protocol on it, paced to the baud rate the program set
on the line. Each request frame received is printed as one line:
  rx cmd=<command> arg=<argument> data=<15 words> t=<seconds>
A rate change is printed when the sensor switches after acknowledging command
190 (sensor baud=<rate> t=<seconds>) and when the program reopens its end of
the line at another rate (line baud=<rate> t=<seconds>); the sensor answers
only while both rates agree.
It stops on SIGINT or SIGTERM and removes its link.
)";

}  // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
  SimOptions o;
  Collected c;
  CLI::App app(kAbout, kName);
  Declare(app, o, c);
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // the order CLI11 takes
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    o.help = true;
    return o;
  } catch (const CLI::ParseError& e) {
    o.error = e.what();
    if (o.error.rfind(std::string(kName) + ": ", 0) == 0) o.error.erase(0, std::strlen(kName) + 2);
    return o;
  }
  o.error = Apply(app, o, c);
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
  SimOptions o;
  Collected c;
  CLI::App app(kAbout, kName);
  Declare(app, o, c);
  return app.help();
}

}  // namespace sim
