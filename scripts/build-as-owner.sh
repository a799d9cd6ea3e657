# Sourced by play.sh and test.sh. Installing packages needs root; building does not. When
# root runs a script in a checkout that belongs to someone else, the build runs as that owner,
# so that no folder of root's is left in the checkout to make the owner's next build fail.
as_owner() {
  local owner
  owner=$(stat -c %U "$root")
  if [ "$(id -u)" -eq 0 ] && [ "$owner" != root ]; then
    runuser -u "$owner" -- "$@"
  else
    "$@"
  fi
}

# Stops with a clear message when an earlier run (as root, say) left a build folder that the
# current user cannot write to.
check_writable() {
  if [ -e "$1" ] && ! as_owner test -w "$1"; then
    echo "$(basename "$0"): $1 belongs to $(stat -c %U "$1"), not to $(id -un); remove it with:" >&2
    echo "  su -c 'rm -rf $1'" >&2
    exit 1
  fi
}
