// Terminal input of any kind: the translation into key bytes, and the key presses that the
// editor reads from the queued bytes.
//
// Input format: 0xFF k is the curses key code KEY_MIN + k; 0xFE a b is the character
// 0x80 + a + 256 * b (beyond ASCII); 0xFD ends one delivery (what the terminal had ready
// at once); every other byte is that character.
#include <curses.h>

#include <string>
#include <vector>

#include "fuzz/targets.h"
#include "platform/key_translation.h"
#include "platform/memory_console.h"
#include "shell/keys.h"

namespace vorn::fuzz {

namespace {

constexpr std::uint8_t kKeyCodeByte = 0xFF;
constexpr std::uint8_t kWideCharacterByte = 0xFE;
constexpr std::uint8_t kDeliveryEndByte = 0xFD;

using Delivery = std::vector<TerminalInput>;

std::vector<Delivery> deliveries(Input input) {
  std::vector<Delivery> result(1);
  for (std::size_t i = 0; i < input.size(); ++i) {
    const std::uint8_t byte = input[i];
    if (byte == kDeliveryEndByte) {
      result.emplace_back();
    } else if (byte == kKeyCodeByte && i + 1 < input.size()) {
      result.back().push_back(inputKeyCode(KEY_MIN + input[++i]));
    } else if (byte == kWideCharacterByte && i + 2 < input.size()) {
      const char32_t c = 0x80 + input[i + 1] + 256u * input[i + 2];
      result.back().push_back(inputCharacter(c));
      i += 2;
    } else {
      result.back().push_back(inputCharacter(byte));
    }
  }
  return result;
}

bool isEditorPlainKey(std::uint8_t byte) {
  return (byte >= 0x20 && byte < 0x7F) || byte == key::Backspace || byte == key::Enter ||
         byte == key::Escape;
}

void checkKeyBytes(const KeyBytes& key) {
  if (key.count == 1 && isEditorPlainKey(key.bytes[0])) return;
  if (key.count == 2 && key.bytes[0] == key::ExtendedPrefix && key.bytes[1] != 0 &&
      key.bytes[1] != key::Quit) {
    return;
  }
  throw PropertyViolation("translated to " + std::to_string(key.count) + " key bytes " +
                          std::to_string(key.bytes[0]) + ", " + std::to_string(key.bytes[1]));
}

// The key bytes of one delivery, as the terminal console queues them.
std::string translateDelivery(const Delivery& delivery) {
  std::string bytes;
  const std::span<const TerminalInput> pending(delivery);
  for (std::size_t position = 0; position < pending.size();) {
    const KeyTranslation translation = translateKey(pending.subspan(position));
    if (translation.consumed == 0 || translation.consumed > pending.size() - position) {
      throw PropertyViolation("a key used " + std::to_string(translation.consumed) + " of " +
                              std::to_string(pending.size() - position) + " inputs");
    }
    checkKeyBytes(translation.key);
    position += translation.consumed;
    for (std::uint8_t i = 0; i < translation.key.count; ++i) {
      bytes.push_back(static_cast<char>(translation.key.bytes[i]));
    }
  }
  return bytes;
}

// A run of queued key bytes: typed slowly (each byte a key of its own) or as one burst.
struct QueuedRun {
  std::string bytes;
  bool burst;
};

// What readKeyPress must return for the runs: one press per key, of a burst only the last
// byte with the byte before it as prefix.
std::vector<KeyPress> expectedPresses(const std::vector<QueuedRun>& runs) {
  std::vector<KeyPress> presses;
  for (const QueuedRun& run : runs) {
    if (run.bytes.empty()) continue;
    if (!run.burst) {
      for (char c : run.bytes) presses.push_back({static_cast<std::uint8_t>(c), key::PlainPrefix});
      continue;
    }
    const auto code = static_cast<std::uint8_t>(run.bytes.back());
    const std::uint8_t prefix = run.bytes.size() > 1
                                    ? static_cast<std::uint8_t>(run.bytes[run.bytes.size() - 2])
                                    : key::PlainPrefix;
    presses.push_back({code, prefix});
  }
  return presses;
}

std::vector<KeyPress> readAllPresses(const std::vector<QueuedRun>& runs) {
  MemoryConsole console;
  for (const QueuedRun& run : runs) {
    if (run.burst) {
      console.pushBurst(run.bytes);
    } else {
      console.pushKeys(run.bytes);
    }
  }
  std::vector<KeyPress> presses;
  try {
    for (;;) presses.push_back(readKeyPress(console));
  } catch (const KeyQueueEmpty&) {
  }
  return presses;
}

void checkPresses(const std::vector<QueuedRun>& runs, bool translated) {
  const std::vector<KeyPress> presses = readAllPresses(runs);
  const std::vector<KeyPress> expected = expectedPresses(runs);
  if (presses.size() != expected.size()) {
    throw PropertyViolation(std::to_string(presses.size()) + " key presses read, " +
                            std::to_string(expected.size()) + " expected");
  }
  for (std::size_t k = 0; k < presses.size(); ++k) {
    if (presses[k].code != expected[k].code || presses[k].prefix != expected[k].prefix) {
      throw PropertyViolation("key press " + std::to_string(k) + " read as " +
                              std::to_string(presses[k].code) + " after " +
                              std::to_string(presses[k].prefix));
    }
    // Translated keys never end the main loop: only a raw 255 byte could.
    if (translated && presses[k].code == key::Quit) {
      throw PropertyViolation("a translated key reads as the end request");
    }
  }
}

}  // namespace

void checkKeyTranslation(Input input) {
  std::vector<QueuedRun> translated;
  for (const Delivery& delivery : deliveries(input)) {
    translated.push_back({translateDelivery(delivery), true});
  }
  checkPresses(translated, true);

  // The raw bytes, runs between the delivery ends typed slowly and in bursts by turns.
  std::vector<QueuedRun> raw(1, {std::string(), false});
  for (std::uint8_t byte : input) {
    if (byte == kDeliveryEndByte) {
      raw.push_back({std::string(), !raw.back().burst});
    } else {
      raw.back().bytes.push_back(static_cast<char>(byte));
    }
  }
  checkPresses(raw, false);
}

}  // namespace vorn::fuzz
