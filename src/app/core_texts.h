// The core's user-interface texts and fixed names, as GBK bytes.
#pragma once
#include <string_view>

namespace lizhi::app {

// 确认退出励志软件吗?
inline constexpr std::string_view kExitQuestion =
    "\xC8\xB7\xC8\xCF\xCD\xCB\xB3\xF6\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE\xC2\xF0?";
// 请确认
inline constexpr std::string_view kExitTitle = "\xC7\xEB\xC8\xB7\xC8\xCF";
// 关于软件
inline constexpr std::string_view kAboutTitle = "\xB9\xD8\xD3\xDA\xC8\xED\xBC\xFE";
inline constexpr std::string_view kTestText = "hello dovra";
// 正在播放:<<
inline constexpr std::string_view kTipPrefix = "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5:<<";
inline constexpr std::string_view kTipSuffix = ">>";
// 请输入每次间隔显示励志文字的秒数(初始为2秒):
inline constexpr std::string_view kIntervalPrompt =
    "\xC7\xEB\xCA\xE4\xC8\xEB\xC3\xBF\xB4\xCE\xBC\xE4\xB8\xF4\xCF\xD4\xCA\xBE\xC0\xF8\xD6\xBE\xCE\xC4\xD7\xD6\xB5\xC4"
    "\xC3\xEB\xCA\xFD(\xB3\xF5\xCA\xBC\xCE\xAA"
    "2\xC3\xEB):";
// 请输入
inline constexpr std::string_view kIntervalTitle = "\xC7\xEB\xCA\xE4\xC8\xEB";
// 请选择一首励志音乐
inline constexpr std::string_view kMusicTitle =
    "\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xBB\xCA\xD7\xC0\xF8\xD6\xBE\xD2\xF4\xC0\xD6";
// 励志音乐(*.MP3)|*.MP3|所有文件(*.*)|*.*
inline constexpr std::string_view kMusicFilter =
    "\xC0\xF8\xD6\xBE\xD2\xF4\xC0\xD6(*.MP3)|*.MP3|\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE(*.*)|*.*";
// 请选择一篇励志文本
inline constexpr std::string_view kTextTitle =
    "\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xBB\xC6\xAA\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE";
// 励志文本(*.TXT)|*.TXT|所有文件(*.*)|*.*
inline constexpr std::string_view kTextFilter =
    "\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE(*.TXT)|*.TXT|\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE(*.*)|*.*";
// 随机, 顺序: words in a text file's path that choose the order when it is loaded.
inline constexpr std::string_view kWordRandom = "\xCB\xE6\xBB\xFA";
inline constexpr std::string_view kWordSequence = "\xCB\xB3\xD0\xF2";
// 励志软件: the name of the start-with-session registration.
inline constexpr std::string_view kAutoStartName = "\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE";
// \励志文本.txt: the about box's default, directly in the program directory.
inline constexpr std::string_view kAboutDefaultName = "\\\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE.txt";
// \txt\励志文本.txt
inline constexpr std::string_view kDefaultTextName = "\\txt\\\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE.txt";
inline constexpr std::string_view kMusicFolder = "\\mp3\\";

}  // namespace lizhi::app
