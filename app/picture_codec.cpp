#include "app/picture_codec.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace lumaret {

namespace {

constexpr std::uint8_t kMagic[4] = {'L', 'P', 'I', 'C'};
constexpr std::size_t kHeaderSize = 12;
constexpr int kBytesPerPixel = 3;
constexpr std::size_t kMinCopy = 4;
constexpr std::size_t kMaxDistance = 0xFFFF;

// CRC-32 (the polynomial of zip and PNG). Unlike a sum of the bytes, it
// notices bytes that come back in another order, which is what a copy from
// a damaged distance gives.
std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::uint8_t b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

int Paeth(int left, int up, int upLeft) {
  const int guess = left + up - upLeft;
  const int dl = std::abs(guess - left), du = std::abs(guess - up), dul = std::abs(guess - upLeft);
  if (dl <= du && dl <= dul) return left;
  return du <= dul ? up : upLeft;
}

// What filter `filter` predicts for byte `i` of a row, from the bytes already
// known: the row so far and the row above (nullptr on the first row).
int Predict(int filter, const std::uint8_t* row, const std::uint8_t* above, std::size_t i) {
  const int left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
  const int up = above ? above[i] : 0;
  const int upLeft = above && i >= kBytesPerPixel ? above[i - kBytesPerPixel] : 0;
  switch (filter) {
    case 1: return left;
    case 2: return up;
    case 3: return (left + up) / 2;
    case 4: return Paeth(left, up, upLeft);
    default: return 0;
  }
}

std::vector<std::uint8_t> PixelBytes(const Pixels& p) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(p.px.size() * kBytesPerPixel);
  for (std::uint32_t c : p.px) {
    bytes.push_back(static_cast<std::uint8_t>(c));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    bytes.push_back(static_cast<std::uint8_t>(c >> 16));
  }
  return bytes;
}

// Each row behind the filter byte that leaves the smallest differences.
std::vector<std::uint8_t> FilterRows(const std::vector<std::uint8_t>& bytes, int width, int height) {
  const std::size_t stride = static_cast<std::size_t>(width) * kBytesPerPixel;
  std::vector<std::uint8_t> out;
  out.reserve((stride + 1) * height);
  std::vector<std::uint8_t> best, trial(stride);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = &bytes[y * stride];
    const std::uint8_t* above = y > 0 ? row - stride : nullptr;
    long bestCost = -1;
    int bestFilter = 0;
    for (int filter = 0; filter <= 4; ++filter) {
      long cost = 0;
      for (std::size_t i = 0; i < stride; ++i) {
        trial[i] = static_cast<std::uint8_t>(row[i] - Predict(filter, row, above, i));
        cost += std::abs(static_cast<int>(static_cast<std::int8_t>(trial[i])));
      }
      if (bestCost < 0 || cost < bestCost) {
        bestCost = cost;
        bestFilter = filter;
        best = trial;
      }
    }
    out.push_back(static_cast<std::uint8_t>(bestFilter));
    out.insert(out.end(), best.begin(), best.end());
  }
  return out;
}

void PutLength(std::vector<std::uint8_t>& out, std::size_t rest) {
  for (; rest >= 255; rest -= 255) out.push_back(255);
  out.push_back(static_cast<std::uint8_t>(rest));
}

void PutSequence(std::vector<std::uint8_t>& out, const std::uint8_t* literals, std::size_t literalCount,
                 std::size_t distance, std::size_t copy) {
  const std::size_t copyCode = copy ? copy - kMinCopy : 0;
  out.push_back(static_cast<std::uint8_t>(std::min<std::size_t>(literalCount, 15) << 4 |
                                          std::min<std::size_t>(copyCode, 15)));
  if (literalCount >= 15) PutLength(out, literalCount - 15);
  out.insert(out.end(), literals, literals + literalCount);
  if (!copy) return;
  out.push_back(static_cast<std::uint8_t>(distance));
  out.push_back(static_cast<std::uint8_t>(distance >> 8));
  if (copyCode >= 15) PutLength(out, copyCode - 15);
}

// Greedy LZ77 with hash chains and a one-byte look-ahead: the build machine
// packs once, the window unpacks at every start.
class Packer {
 public:
  explicit Packer(const std::vector<std::uint8_t>& in) : in_(in), head_(kHashSize, kNone), prev_(in.size(), kNone) {}

  std::vector<std::uint8_t> Pack() {
    std::vector<std::uint8_t> out;
    std::size_t literalStart = 0, i = 0;
    while (i < in_.size()) {
      std::size_t distance = 0;
      const std::size_t length = Longest(i, &distance);
      Insert(i);
      if (length == 0) {
        ++i;
        continue;
      }
      std::size_t laterDistance = 0;
      if (i + 1 < in_.size() && Longest(i + 1, &laterDistance) > length) {
        ++i;  // a longer copy starts one byte later: this byte goes as a literal
        continue;
      }
      PutSequence(out, &in_[literalStart], i - literalStart, distance, length);
      for (std::size_t k = 1; k < length; ++k) Insert(i + k);
      i += length;
      literalStart = i;
    }
    if (literalStart < in_.size() || out.empty()) {
      PutSequence(out, in_.data() + literalStart, in_.size() - literalStart, 0, 0);
    }
    return out;
  }

 private:
  static constexpr std::size_t kHashBits = 16, kHashSize = std::size_t{1} << kHashBits;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  static constexpr int kChainDepth = 256;
  static constexpr std::size_t kLongEnough = 4096;  // stop searching: runs of ground are this long

  std::size_t Hash(std::size_t i) const {
    const std::uint32_t v = in_[i] | in_[i + 1] << 8 | in_[i + 2] << 16 | static_cast<std::uint32_t>(in_[i + 3]) << 24;
    return (v * 2654435761u) >> (32 - kHashBits);
  }
  void Insert(std::size_t i) {
    if (i + kMinCopy > in_.size() || inserted_ > i) return;
    const std::size_t h = Hash(i);
    prev_[i] = head_[h];
    head_[h] = i;
    inserted_ = i + 1;
  }
  // The longest earlier match for the bytes at `i` among those inserted
  // (0 when under kMinCopy).
  std::size_t Longest(std::size_t i, std::size_t* distance) const {
    if (i + kMinCopy > in_.size()) return 0;
    std::size_t best = 0;
    const std::size_t limit = in_.size() - i;
    std::size_t candidate = head_[Hash(i)];
    for (int depth = 0; candidate != kNone && depth < kChainDepth; ++depth, candidate = prev_[candidate]) {
      if (i - candidate > kMaxDistance) break;
      std::size_t n = 0;
      while (n < limit && in_[candidate + n] == in_[i + n]) ++n;
      if (n > best) {
        best = n;
        *distance = i - candidate;
        if (n == limit || n >= kLongEnough) break;
      }
    }
    return best >= kMinCopy ? best : 0;
  }

  const std::vector<std::uint8_t>& in_;
  std::vector<std::size_t> head_, prev_;
  std::size_t inserted_ = 0;
};

// Reads a length continued in bytes of 255; false when the data ends first
// or the length grows past `limit`.
bool ReadMore(const std::uint8_t*& at, const std::uint8_t* end, std::size_t limit, std::size_t* length) {
  for (;;) {
    if (at == end) return false;
    const std::uint8_t b = *at++;
    *length += b;
    if (*length > limit) return false;
    if (b != 255) return true;
  }
}

bool Unpack(const std::uint8_t* at, const std::uint8_t* end, std::vector<std::uint8_t>& out) {
  std::size_t done = 0;
  const std::size_t total = out.size();
  for (;;) {
    if (at == end) return false;
    const std::uint8_t token = *at++;
    std::size_t literals = token >> 4;
    if (literals == 15 && !ReadMore(at, end, total, &literals)) return false;
    if (literals > static_cast<std::size_t>(end - at) || literals > total - done) return false;
    std::copy(at, at + literals, out.begin() + static_cast<std::ptrdiff_t>(done));
    at += literals;
    done += literals;
    if (done == total) return at == end && (token & 15) == 0;
    if (end - at < 2) return false;
    const std::size_t distance = at[0] | at[1] << 8;
    at += 2;
    if (distance == 0 || distance > done) return false;
    std::size_t copy = (token & 15) + kMinCopy;
    if ((token & 15) == 15 && !ReadMore(at, end, total, &copy)) return false;
    if (copy > total - done) return false;
    // Byte by byte: a copy may overlap what it writes (runs).
    for (std::size_t k = 0; k < copy; ++k, ++done) out[done] = out[done - distance];
    if (done == total) return at == end;
  }
}

}  // namespace

std::vector<std::uint8_t> EncodePicture(const Pixels& p) {
  if (p.width < 1 || p.height < 1 || p.width > kMaxPictureSide || p.height > kMaxPictureSide ||
      p.px.size() != static_cast<std::size_t>(p.width) * p.height) {
    return {};
  }
  const std::vector<std::uint8_t> bytes = PixelBytes(p);
  const std::uint32_t sum = Crc32(bytes);
  std::vector<std::uint8_t> out(kMagic, kMagic + 4);
  for (int v : {p.width, p.height}) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(sum >> shift));
  const std::vector<std::uint8_t> rows = FilterRows(bytes, p.width, p.height);
  const std::vector<std::uint8_t> packed = Packer(rows).Pack();
  out.insert(out.end(), packed.begin(), packed.end());
  return out;
}

bool DecodePicture(const std::uint8_t* data, std::size_t size, Pixels* out) {
  *out = Pixels{};
  if (!data || size < kHeaderSize || !std::equal(kMagic, kMagic + 4, data)) return false;
  const int width = data[4] | data[5] << 8;
  const int height = data[6] | data[7] << 8;
  const std::uint32_t sum = data[8] | data[9] << 8 | data[10] << 16 | static_cast<std::uint32_t>(data[11]) << 24;
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) return false;
  const std::size_t stride = static_cast<std::size_t>(width) * kBytesPerPixel;
  const std::size_t rawSize = (stride + 1) * height;
  // No stream unpacks to more than 255 times its size: a header that says
  // otherwise is damaged, and nothing that large is worth allocating.
  const std::size_t packedSize = size - kHeaderSize;
  if (rawSize / 255 > packedSize) return false;

  std::vector<std::uint8_t> rows(rawSize);
  if (!Unpack(data + kHeaderSize, data + size, rows)) return false;

  std::vector<std::uint8_t> bytes(stride * height);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t filter = rows[y * (stride + 1)];
    if (filter > 4) return false;
    const std::uint8_t* in = &rows[y * (stride + 1) + 1];
    std::uint8_t* row = &bytes[y * stride];
    const std::uint8_t* above = y > 0 ? row - stride : nullptr;
    for (std::size_t i = 0; i < stride; ++i) row[i] = static_cast<std::uint8_t>(in[i] + Predict(filter, row, above, i));
  }
  if (Crc32(bytes) != sum) return false;

  out->width = width;
  out->height = height;
  out->px.resize(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < out->px.size(); ++i) {
    out->px[i] = PackRgb(bytes[3 * i + 2], bytes[3 * i + 1], bytes[3 * i]);
  }
  return true;
}

}  // namespace lumaret
