#include "data/startup_window.h"

#include "data/handler_ids.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_type.h"
#include "runtime/template/unit_blocks.h"

namespace lizhi::data {

namespace {

using rt::EventBinding;
using rt::UnitRecord;

// Texts are GBK bytes; the comment beside each gives it in plain characters.
constexpr char kNameAgent[] =
    "\xBE\xAB\xC1\xE9\xD6\xFA\xCA\xD6"
    "1";  // 精灵助手1
constexpr char kNameTip[] =
    "\xC6\xF8\xC7\xF2\xCC\xE1\xCA\xBE\xBF\xF2"
    "1";  // 气球提示框1
constexpr char kNameDialog[] =
    "\xCD\xA8\xD3\xC3\xB6\xD4\xBB\xB0\xBF\xF2"
    "1";  // 通用对话框1
constexpr char kNameTimer2[] =
    "\xCA\xB1\xD6\xD3"
    "2";  // 时钟2
constexpr char kNameLabel[] =
    "\xB1\xEA\xC7\xA9"
    "1";  // 标签1
constexpr char kNameTray[] =
    "\xCD\xD0\xC5\xCC\xCD\xBC\xB1\xEA"
    "1";  // 托盘图标1
constexpr char kNameTimer1[] =
    "\xCA\xB1\xD6\xD3"
    "1";  // 时钟1
constexpr char kNameButton[] =
    "\xB0\xB4\xC5\xA5"
    "1";                                                                      // 按钮1
constexpr char kFontSongti[] = "\xCB\xCE\xCC\xE5";                            // 宋体
constexpr char kLabelCaption[] = "\xC8\xCB\xC9\xFA\xD2\xAA\xC0\xF8\xD6\xBE";  // 人生要励志
constexpr char kButtonCaption[] = "\xB2\xE2\xCA\xD4";                         // 测试

struct MenuRow {
  uint32_t unitId;
  const char* caption;
  int32_t level;
  uint32_t flags;
  int32_t handler;
};

constexpr uint32_t kInvisible = 1;
constexpr uint32_t kChecked = 4;

// The tray menu in record order; the record position gives the command id.
const MenuRow kMenuRows[] = {
    {kTrayMenu, "\xD2\xFE\xB2\xD8\xB2\xCB\xB5\xA5", 0, kInvisible, rt::kNoHandler},             // 隐藏菜单
    {kMenuTitleBar, "\xB1\xEA\xCC\xE2\xC0\xB8\xCF\xD4\xCA\xBE", 1, kChecked, kOnMenuTitleBar},  // 标题栏显示
    {kMenuMouseFollow, "\xCA\xF3\xB1\xEA\xB8\xFA\xCB\xE6", 1, 0, kOnMenuMouseFollow},           // 鼠标跟随
    {kMenuBalloon, "\xC6\xF8\xC5\xDD\xCF\xD4\xCA\xBE", 1, 0, kOnMenuBalloon},                   // 气泡显示
    {kMenuAgent, "\xBE\xAB\xC1\xE9\xCF\xD4\xCA\xBE", 1, 0, kOnMenuAgent},                       // 精灵显示
    {0x260121FF, "-", 1, 0, rt::kNoHandler},
    {kMenuRandom, "\xCB\xE6\xBB\xFA\xB2\xA5\xB7\xC5", 1, kChecked, kOnMenuRandom},   // 随机播放
    {kMenuSequential, "\xCB\xB3\xD0\xF2\xB2\xA5\xB7\xC5", 1, 0, kOnMenuSequential},  // 顺序播放
    {0x260122B4, "-", 1, 0, rt::kNoHandler},
    {kMenuInterval, "\xBC\xE4\xB8\xF4\xCA\xB1\xBC\xE4", 1, 0, kOnMenuInterval},                      // 间隔时间
    {kMenuPause, "\xD4\xDD\xCD\xA3", 1, 0, rt::kNoHandler},                                          // 暂停
    {kMenuPauseHalfHour, "30 \xB7\xD6\xD6\xD3", 2, 0, kOnMenuPauseHalfHour},                         // 30 分钟
    {kMenuPauseHour, "1 \xD0\xA1\xCA\xB1", 2, 0, kOnMenuPauseHour},                                  // 1 小时
    {kMenuPauseUntilTomorrow, "\xD6\xB1\xB5\xBD\xC3\xF7\xCC\xEC", 2, 0, kOnMenuPauseUntilTomorrow},  // 直到明天
    {kMenuResume, "\xBC\xCC\xD0\xF8", 2, kInvisible, kOnMenuResume},                                 // 继续
    {0x26012345, "-", 2, 0, rt::kNoHandler},
    {kMenuAway, "\xC0\xEB\xBF\xAA\xCA\xB1\xB2\xBB\xCF\xD4\xCA\xBE", 2, 0, kOnMenuAway},       // 离开时不显示
    {kMenuMusic, "\xB2\xA5\xB7\xC5\xD2\xF4\xC0\xD6", 1, 0, kOnMenuMusic},                     // 播放音乐
    {kMenuFontSize, "\xD7\xD6\xCC\xE5\xB4\xF3\xD0\xA1", 1, kInvisible, kOnMenuFontSize},      // 字体大小
    {kMenuForeColour, "\xC7\xB0\xBE\xB0\xD1\xD5\xC9\xAB", 1, kInvisible, kOnMenuForeColour},  // 前景颜色
    {kMenuBackColour, "\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB", 1, kInvisible, rt::kNoHandler},     // 背景颜色
    {0x2601228A, "-", 1, 0, rt::kNoHandler},
    {kMenuLoadText, "\xD4\xD8\xC8\xEB\xC4\xA3\xB0\xE5", 1, 0, kOnMenuLoadText},  // 载入模板
    {kMenuEditText, "\xB1\xE0\xBC\xAD\xC4\xA3\xB0\xE5", 1, 0, kOnMenuEditText},  // 编辑模板
    {0x26012202, "-", 1, 0, rt::kNoHandler},
    {kMenuAutoStart, "\xBF\xAA\xBB\xFA\xD7\xD4\xC6\xF4", 1, 0, kOnMenuAutoStart},  // 开机自启
    {kMenuAbout, "\xB9\xD8\xD3\xDA\xC8\xED\xBC\xFE", 1, 0, kOnMenuAbout},          // 关于软件
    {kMenuExit, "\xCD\xCB\xB3\xF6", 1, 0, kOnMenuExit},                            // 退出
};

UnitRecord Unit(uint32_t id, uint32_t type, const char* name, int32_t left, int32_t top, int32_t width, int32_t height,
                uint32_t stateFlags, std::vector<EventBinding> events, std::vector<uint8_t> ownBlock = {}) {
  UnitRecord u;
  u.unitId = id;
  u.type = type;
  u.name = name;
  u.body.left = left;
  u.body.top = top;
  u.body.width = width;
  u.body.height = height;
  u.body.stateFlags = stateFlags;
  u.body.events = std::move(events);
  u.body.ownBlock = std::move(ownBlock);
  return u;
}

std::vector<uint8_t> AgentBlock() {
  // version, top, left, width, height, sound effects on, auto pop-up menu off
  const int32_t fields[] = {1, 0, 0, 0, 0, 1, 0};
  std::vector<uint8_t> out;
  for (int32_t f : fields) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(f) >> (8 * i)));
  }
  return out;
}

}  // namespace

rt::WindowTemplate StartupTemplate() {
  rt::WindowRecord window;
  window.windowId = rt::kStartupWindowId;

  rt::WindowBlock windowBlock;
  windowBlock.borderStyle = 0;
  windowBlock.background = 0x00BFFFFF;
  window.units.push_back(Unit(rt::kWindowUnitId, rt::kUnitTypeWindow, "", 50, 50, 89, 228, 0, {{0, kOnWindowCreated}},
                              rt::EncodeBlock(windowBlock)));
  window.units.push_back(Unit(kAgentUnit, rt::kUnitTypeAgent, kNameAgent, 8, 113, 32, 33, 0,
                              {{0, kOnAgentClick}, {6, kOnAgentDblClick}}, AgentBlock()));
  window.units.push_back(Unit(kTipUnit, rt::kUnitTypeTip, kNameTip, 48, 112, 32, 33, 0, {}));
  window.units.push_back(Unit(kFileChooser, rt::kUnitTypeCommonDlg, kNameDialog, 49, 26, 32, 33, 0, {}));
  window.units.push_back(Unit(kFollowTimer, rt::kUnitTypeTimer, kNameTimer2, 49, 68, 32, 33, 0, {{0, kOnFollowTick}},
                              rt::EncodeBlock(rt::TimerBlock{100})));

  rt::LabelBlock label;
  label.caption = kLabelCaption;
  label.fontFace = kFontSongti;
  label.fontHeight = -16;
  label.fontWeight = 400;
  label.charset = 134;  // GB2312_CHARSET
  window.units.push_back(
      Unit(kLineLabel, rt::kUnitTypeLabel, kNameLabel, 4, 2, 1200, 18, 1, {}, rt::EncodeBlock(label)));
  window.units.push_back(
      Unit(kTrayIcon, rt::kUnitTypeTrayIcon, kNameTray, 8, 68, 32, 33, 0, {{0, kOnTrayClick}, {2, kOnTrayClick}}));

  for (const MenuRow& row : kMenuRows) {
    UnitRecord item;
    item.unitId = row.unitId;
    item.type = rt::kUnitTypeMenu;
    item.menu.level = row.level;
    item.menu.flags = row.flags;
    item.menu.caption = row.caption;
    item.menu.handler = row.handler;
    window.units.push_back(std::move(item));
  }

  window.units.push_back(Unit(kDisplayTimer, rt::kUnitTypeTimer, kNameTimer1, 8, 26, 32, 33, 0, {{0, kOnDisplayTick}}));
  window.units.push_back(Unit(kTestButton, rt::kUnitTypeButton, kNameButton, 7, 152, 32, 33, 5, {{0, kOnTestButton}},
                              rt::EncodeBlock(rt::ButtonBlock{kButtonCaption})));

  rt::WindowTemplate tmpl;
  tmpl.windows.push_back(std::move(window));
  return tmpl;
}

std::vector<uint8_t> StartupTemplateBytes() { return rt::EncodeTemplate(StartupTemplate()); }

}  // namespace lizhi::data
