#include "app/command_line.h"

#include "runtime/unicode.h"

namespace corvane {

CommandLine ParseCommandLine(const std::vector<std::u16string>& arguments) {
  CommandLine line;
  bool options = true;
  for (const std::u16string& argument : arguments) {
    if (options && argument == u"--") {
      options = false;
    } else if (options && (argument == u"--help" || argument == u"-h")) {
      return {CommandLine::Action::Help, {}, {}};
    } else if (options && argument == u"--version") {
      return {CommandLine::Action::Version, {}, {}};
    } else if (options && argument.size() > 1 && argument.front() == u'-') {
      return {CommandLine::Action::Mistake, {}, "未知的选项：" + unicode::Utf16ToUtf8(argument)};
    } else if (line.file) {
      return {CommandLine::Action::Mistake, {}, "只能指定一个文件"};
    } else {
      line.file = argument;
    }
  }
  return line;
}

std::string UsageText() { return "用法：corvane [文件]\n      corvane --help | --version\n"; }

std::string HelpText() {
  return UsageText() +
         "\n计算一段文字（按 GBK 字节）或一个文件的 MD5 摘要（RFC 1321）。\n"
         "指定文件时，窗口打开后立即计算它，如同把它拖到窗口上。\n"
         "若文件旁有列出它的校验文件（文件名.md5、MD5SUMS 等），结果会与其中的值核对。\n\n"
         "  -h, --help     显示本帮助并退出\n"
         "      --version  显示版本并退出\n";
}

std::string VersionText() { return "Corvane " CORVANE_VERSION "\n"; }

}  // namespace corvane
