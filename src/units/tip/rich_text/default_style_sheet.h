// The style sheet a tip starts with (the Q_tip unit's StyleSheet default).
// "\xCB\xCE\xCC\xE5" is 宋体 in GBK.
#pragma once

namespace lizhi::tip {

#define LIZHI_SONG "\"\xCB\xCE\xCC\xE5\""
inline constexpr char kDefaultStyleSheet[] = "body {font-size: 9pt; color:black; font-family:" LIZHI_SONG
                                             ",Verdana}\r\n"
                                             "p  {font-size: 9pt; color:black; font-family:" LIZHI_SONG
                                             ",Verdana}\r\n"
                                             "h1 {font-size: 14pt; color:black; font-family:" LIZHI_SONG
                                             ",Verdana; font-weight:bold}\r\n"
                                             "h2 {font-size: 13pt; color:#ff9900; font-family:" LIZHI_SONG
                                             ",Verdana; font-weight:bold}\r\n"
                                             "h3 {font-size: 12pt; color:#ff9900; font-family:" LIZHI_SONG
                                             ",Arial; font-weight:bold}\r\n"
                                             "h4 {font-size: 10pt; color:black; font-family:" LIZHI_SONG
                                             ",Verdana; font-weight:bold}\r\n"
                                             "h5 {font-size: 9pt; color:#ff9900; font-family:" LIZHI_SONG
                                             ",Verdana; font-weight:bold}\r\n"
                                             "h6 {font-size: 65%; color:#626262; font-family:" LIZHI_SONG
                                             ",Verdana; font-weight:normal}\r\n"
                                             "pre {font-size: 9pt; font-family:" LIZHI_SONG
                                             ",\"Courier\"; background-color:#fbedbb}\r\n"
                                             "code {color:#990000; font-family:" LIZHI_SONG
                                             ",Arial}\r\n"
                                             "a:link {text-decoration:none; color:blue}\r\n"
                                             "a:hover {text-decoration:underline; color:blue}\r\n"
                                             "sub {font-size:65%; vertical-align:bottom}\r\n"
                                             "sup {font-size:65%; vertical-align:top}\r\n"
                                             "big {font-size:125%}\r\n"
                                             "small {font-size:75%}\r\n"
                                             ".comment {color:green}";
#undef LIZHI_SONG

}  // namespace lizhi::tip
