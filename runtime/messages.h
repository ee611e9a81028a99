#pragma once
// The texts the runtime shows the user when a value cannot be had, in UTF-8
// as they read; they become program texts where a failure is made.

namespace corvane::messages {

inline constexpr char kNoFileChosen[] = "请先选择要计算的文件";
inline constexpr char kNotFound[] = "无法读取文件：文件不存在";
inline constexpr char kNoPermission[] = "无法读取文件：没有读取权限";
inline constexpr char kLocked[] = "无法读取文件：文件被其他程序占用";
inline constexpr char kIsFolder[] = "无法读取文件：这是一个文件夹";
inline constexpr char kNotRegular[] = "无法读取文件：不是普通文件";
inline constexpr char kChangedWhileRead[] = "无法读取文件：读取时文件被修改";
inline constexpr char kUnreadableName[] = "无法读取文件：文件名含有无法识别的字符";
inline constexpr char kReadError[] = "无法读取文件：读取出错";
inline constexpr char kCancelled[] = "已取消计算";
// A handler that could not finish, and why.
inline constexpr char kOutOfMemory[] = "无法计算：内存不足";
inline constexpr char kOutOfResources[] = "无法计算：系统资源不足";
inline constexpr char kInternalError[] = "无法计算：程序内部错误";
// A paste that would lose part of itself is not taken.
inline constexpr char kPasteHasZero[] = "未粘贴：粘贴的文字含有空字符（U+0000）";
// Checking a digest against the expected one, and files dropped on the window.
inline constexpr char kExpectedHint[] = "可在此粘贴预期的 MD5 值，计算后核对";
inline constexpr char kStale[] = "输入已改变：这是之前输入的摘要，请重新计算。";
inline constexpr char kDropOneFile[] = "一次只能拖入一个文件";
inline constexpr char kDropFolder[] = "拖入的是文件夹，请拖入一个文件";
// Shown while a long digest runs, before the share done ("42%").
inline constexpr char kInProgress[] = "正在计算…";
// The same, where the file's size says nothing true: before the amount read.
inline constexpr char kInProgressRead[] = "正在计算…已读取 ";

}  // namespace corvane::messages
