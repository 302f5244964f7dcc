#include "runtime/common_dialog/common_dialog_props.h"

#include <algorithm>
#include <iterator>

#include "runtime/base/byte_stream.h"
#include "runtime/base/memory.h"
#include "runtime/commands/call_form.h"

namespace lizhi::rt {

namespace {

int32_t ClampKind(int32_t v) { return std::clamp(v, 0, 3); }
int32_t ClampHelpCommand(int32_t v) { return std::clamp(v, 0, 5); }
int32_t NotNegative(int32_t v) { return v < 0 ? 0 : v; }
int32_t AsIs(int32_t v) { return v; }

// One property: exactly one of the three members is set.
struct Field {
  int32_t index;
  int32_t CommonDlgProps::*integer;
  bool CommonDlgProps::*logical;
  std::string CommonDlgProps::*text;
  int32_t (*normalise)(int32_t);
};

constexpr Field Int(int32_t index, int32_t CommonDlgProps::*m, int32_t (*normalise)(int32_t) = &AsIs) {
  return {index, m, nullptr, nullptr, normalise};
}
constexpr Field Bool(int32_t index, bool CommonDlgProps::*m) { return {index, nullptr, m, nullptr, &AsIs}; }
constexpr Field Text(int32_t index, std::string CommonDlgProps::*m) { return {index, nullptr, nullptr, m, &AsIs}; }

using P = CommonDlgProps;
constexpr Field kFields[] = {
    Int(8, &P::dialogKind, &ClampKind),
    Text(9, &P::title),
    Text(10, &P::fileName),
    Text(11, &P::filter),
    Int(12, &P::filterIndex, &NotNegative),
    Text(13, &P::initialDirectory),
    Text(14, &P::defaultExtension),
    Bool(15, &P::createPrompt),
    Bool(16, &P::fileMustExist),
    Bool(17, &P::overwritePrompt),
    Bool(18, &P::pathMustExist),
    Bool(19, &P::keepDirectory),
    Int(20, &P::fontColor),
    Bool(21, &P::bold),
    Bool(22, &P::italic),
    Bool(23, &P::underline),
    Bool(24, &P::strikeOut),
    Text(25, &P::fontName),
    Int(26, &P::fontSize, &NotNegative),
    Text(27, &P::helpFile),
    Int(28, &P::helpCommand, &ClampHelpCommand),
    Int(29, &P::helpContext),
};
static_assert(std::size(kFields) == kCommonDlgLastIndex - kCommonDlgFirstIndex + 1);

const Field* FieldOf(int32_t ownIndex) {
  int32_t i = ownIndex;
  if (i < 0 || i >= static_cast<int32_t>(std::size(kFields))) return nullptr;
  return &kFields[i];
}

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

bool LoadCommonDlgBlock(const uint8_t* block, size_t size, CommonDlgProps& props) {
  props = CommonDlgProps{};
  if (!block || size == 0) return true;
  ByteReader reader(block, size);
  int32_t version = reader.I32();
  if (!reader.ok() || version < 0 || static_cast<uint32_t>(version) > kCommonDlgBlockVersion) return false;
  CommonDlgProps loaded;
  for (const Field& f : kFields) {
    if (f.integer) {
      loaded.*f.integer = f.normalise(reader.I32());
    } else if (f.logical) {
      loaded.*f.logical = reader.I32() != 0;
    } else {
      loaded.*f.text = reader.Text();
    }
  }
  if (!reader.ok()) return false;  // a damaged block: the defaults stay
  props = std::move(loaded);
  return true;
}

std::vector<uint8_t> SaveCommonDlgBlock(const CommonDlgProps& props) {
  ByteWriter writer;
  writer.U32(kCommonDlgBlockVersion);
  for (const Field& f : kFields) {
    if (f.integer) {
      writer.I32(props.*f.integer);
    } else if (f.logical) {
      writer.I32(props.*f.logical ? 1 : 0);
    } else {
      writer.Text(props.*f.text);
    }
  }
  return writer.Take();
}

bool WriteCommonDlgProperty(CommonDlgProps& props, int32_t ownIndex, const TypedValue& value) {
  const Field* f = FieldOf(ownIndex);
  if (!f) return false;
  CommandArgs arg(1, &value);
  if (f->integer) {
    props.*f->integer = f->normalise(arg.Int(0));
  } else if (f->logical) {
    props.*f->logical = arg.Logical(0);
  } else {
    props.*f->text = std::string(arg.Text(0));
  }
  return true;
}

bool ReadCommonDlgProperty(const CommonDlgProps& props, int32_t ownIndex, TypedValue& out) {
  const Field* f = FieldOf(ownIndex);
  if (!f) return false;
  if (f->integer) {
    out = MakeInt(props.*f->integer);
  } else if (f->logical) {
    out = MakeLogical(props.*f->logical);
  } else {
    out = MakeTextValue(CopyText(props.*f->text));
  }
  return true;
}

uint32_t FileDialogFlags(const CommonDlgProps& props) {
  uint32_t flags = ofn::kHideReadOnly;
  if (props.createPrompt) flags |= ofn::kCreatePrompt;
  if (props.fileMustExist) flags |= ofn::kFileMustExist;
  if (props.overwritePrompt) flags |= ofn::kOverwritePrompt;
  if (props.pathMustExist) flags |= ofn::kPathMustExist;
  if (props.keepDirectory) flags |= ofn::kNoChangeDir;
  return flags;
}

std::string FileDialogFilter(std::string_view filter) {
  if (filter.empty()) return {};
  std::string out(filter);
  if (!out.ends_with("||")) out += "||";
  for (size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(out[i]) && i + 1 < out.size()) {
      ++i;  // a double-byte character's second byte may be 0x7C
    } else if (out[i] == '|') {
      out[i] = '\0';
    }
  }
  return out;
}

int32_t FileDialogFilterIndex(const CommonDlgProps& props) { return props.filter.empty() ? 0 : props.filterIndex + 1; }

std::string HelpFilePath(const CommonDlgProps& props, std::string_view programDirectory,
                         std::string_view executableName) {
  if (!props.helpFile.empty()) return props.helpFile;
  std::string_view base = executableName.substr(0, executableName.rfind('.'));
  std::string path(programDirectory);
  path += '\\';
  path.append(base);
  path += ".hlp";
  return path;
}

}  // namespace lizhi::rt
