#pragma once
// A file's bytes, read or written whole: what tests compare and plant.

#include <QString>

#include <fstream>
#include <sstream>
#include <string>

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}
inline std::string ReadBytes(const QString& path) { return ReadBytes(path.toStdString()); }
inline std::string ReadBytes(const char* path) { return ReadBytes(std::string(path)); }

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
inline void WriteBytes(const QString& path, const std::string& bytes) { WriteBytes(path.toStdString(), bytes); }
inline void WriteBytes(const char* path, const std::string& bytes) { WriteBytes(std::string(path), bytes); }
