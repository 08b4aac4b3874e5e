# Network addresses (sourced by bench/compare.sh): 65,536 IPv6 address texts
# read and compared with one bound, against Python's ipaddress module.
question 'number of (integers in (0, 65535)) whose (ipv6 address ("::" & (it as hexadecimal)) < ipv6 address "::8000")' addresses
describe addresses "ipv6 compare 65536" 65536 "ns/address" 1e9
echo "addresses..." >&2
tool guard "$work/addresses.a" "$(answer_is 32768)" "$GUARD" "$work/addresses.q" "$work/addresses.a"
tool python "$work/stdout" "$(answer_is 32768)" "$PYTHON" -c "
import ipaddress
bound = ipaddress.IPv6Address('::8000')
print(sum(1 for i in range(0, 65536) if ipaddress.IPv6Address('::' + format(i, 'x')) < bound))"
measure_task addresses "$RUNS"
target "ipv6 addresses: guard at most 0.2x python" addresses python 0.2
