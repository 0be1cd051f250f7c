# Sourced by the scripts that copy the 100,000-file tree.
#
# Creating that many files right after deleting as many measures the file
# system's history more than the program: ext4 without a journal passes over
# recently freed inodes when it looks for a free one, and the same run took
# 7 s, 35 s or 65 s depending on what had been deleted before. So the copies
# run on a new, empty ext4 file system kept in a file and mounted for the
# measurement (root, mkfs.ext4 and a loop device needed), and it is gone
# afterwards. Without those, or with ORDOVAN_BENCH_SCRATCH=0, they run in the
# temporary folder and a note says that the figures depend on its past.
#
# scratch_fs_begin GIGABYTES sets TMPDIR for the benchmark program; the
# caller's EXIT trap calls scratch_fs_end.

scratch_fs_image=
scratch_fs_mount=

scratch_fs_begin() {
  local gigabytes=$1 dir=${ORDOVAN_BENCH_SCRATCH_DIR:-/var/tmp}
  if [ "${ORDOVAN_BENCH_SCRATCH:-1}" = 0 ] || [ "$(id -u)" != 0 ] || ! command -v mkfs.ext4 >/dev/null; then
    echo "note: measured in ${TMPDIR:-/tmp}; files deleted there shortly before slow the copies down" >&2
    return 0
  fi
  local free_kb
  free_kb=$(df -Pk "$dir" | awk 'NR == 2 { print $4 }')
  if [ "$free_kb" -lt $((gigabytes * 1024 * 1024 + 1024 * 1024)) ]; then
    echo "note: less than $((gigabytes + 1)) GB free in $dir; measured in ${TMPDIR:-/tmp}" >&2
    return 0
  fi
  scratch_fs_image=$(mktemp "$dir/ordovan-bench-fs.XXXXXX")
  scratch_fs_mount=$(mktemp -d)
  # One inode for every 4 KB: each copy of the tree needs about 102,000.
  if truncate -s "${gigabytes}G" "$scratch_fs_image" &&
     mkfs.ext4 -q -F -i 4096 "$scratch_fs_image" &&
     mount -o loop "$scratch_fs_image" "$scratch_fs_mount"; then
    export TMPDIR=$scratch_fs_mount
  else
    echo "note: no scratch file system could be mounted; measured in ${TMPDIR:-/tmp}" >&2
    rmdir "$scratch_fs_mount"
    rm -f "$scratch_fs_image"
    scratch_fs_image= scratch_fs_mount=
  fi
}

scratch_fs_end() {
  if [ -n "$scratch_fs_mount" ]; then
    umount "$scratch_fs_mount" && rmdir "$scratch_fs_mount"
    rm -f "$scratch_fs_image"
  fi
}
