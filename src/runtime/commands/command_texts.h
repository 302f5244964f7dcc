// Fixed texts of the runtime commands, as GBK bytes (the program's code page).
#pragma once

namespace lizhi::rt::text {

inline constexpr char kDivideByZero[] = "\xB2\xBB\xC4\xDC\xD5\xFB\xB3\xFD\xD3\xDA\xC1\xE3";  // 不能整除于零
inline constexpr char kRemainderByZero[] =                                                   // 不能求余数于零
    "\xB2\xBB\xC4\xDC\xC7\xF3\xD3\xE0\xCA\xFD\xD3\xDA\xC1\xE3";
inline constexpr char kBadDataKind[] =  // “欲取出数据的类型”参数值无效
    "\xA1\xB0\xD3\xFB\xC8\xA1\xB3\xF6\xCA\xFD\xBE\xDD\xB5\xC4\xC0\xE0\xD0\xCD\xA1\xB1\xB2\xCE\xCA\xFD\xD6\xB5\xCE\xDE"
    "\xD0\xA7";
inline constexpr char kTrue[] = "\xD5\xE6";                            // 真
inline constexpr char kFalse[] = "\xBC\xD9";                           // 假
inline constexpr char kYear[] = "\xC4\xEA";                            // 年
inline constexpr char kMonth[] = "\xD4\xC2";                           // 月
inline constexpr char kDay[] = "\xC8\xD5";                             // 日
inline constexpr char kHour[] = "\xCA\xB1";                            // 时
inline constexpr char kMinute[] = "\xB7\xD6";                          // 分
inline constexpr char kSecond[] = "\xC3\xEB";                          // 秒
inline constexpr char kMessageCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：

}  // namespace lizhi::rt::text
