# An independent model of the cross-correlation run: the program's generator (xoshiro256**
# seeded through splitmix64), the polar normal deviate, the two simulated series and the lagged
# Pearson and Spearman correlations, then the report text. `python3 crossreport.py` prints the
# four reports that the seeded report test expects.
import math
M=(1<<64)-1
def splitmix(state):
    state=(state+0x9e3779b97f4a7c15)&M
    z=state
    z=((z^(z>>30))*0xbf58476d1ce4e5b9)&M
    z=((z^(z>>27))*0x94d049bb133111eb)&M
    return state, z^(z>>31)
class Gen:
    def __init__(self,seed):
        self.s=[]
        st=seed
        for _ in range(4):
            st,w=splitmix(st); self.s.append(w)
    def nextbits(self):
        s=self.s
        rotl=lambda x,k: ((x<<k)|(x>>(64-k)))&M
        result=(rotl((s[1]*5)&M,7)*9)&M
        t=(s[1]<<17)&M
        s[2]^=s[0]; s[3]^=s[1]; s[1]^=s[2]; s[0]^=s[3]; s[2]^=t; s[3]=rotl(s[3],45)
        return result
    def next(self):
        return (self.nextbits()>>11)*(2.0**-53)
def deviate(g,mean,sd):
    while True:
        u1=2.0*g.next()-1.0; u2=2.0*g.next()-1.0; s=u1*u1+u2*u2
        if not (s>=1.0 or s==0.0): break
    return mean+sd*(u1*math.sqrt((-2.0*math.log(s))/s))
def series(g,N,a,b,phi,mu,sd):
    e=[deviate(g,mu,sd) for _ in range(N)]
    sh=[deviate(g,mu,sd) for _ in range(N)]
    for i in range(1,N): e[i]=phi*e[i-1]+sh[i]
    return [(a+b*float(i+1))+e[i] for i in range(N)]
def pairs(x,y,L):
    n=len(x)
    return (x[-L:],y[:n+L]) if L<0 else (x[:n-L],y[L:])
def pearson(x,y,k):
    n=len(x); nan=float('nan')
    if len(set(x))==1 or len(set(y))==1: return [nan]*(2*k+1)
    def mean(v):
        s=0.0
        for t in v: s+=t
        return s/len(v)
    def sd(v,m):
        q=0.0
        for t in v: q+=(t-m)*(t-m)
        return math.sqrt(q*(1.0/len(v)))
    mx,my=mean(x),mean(y); spread=sd(x,mx)*sd(y,my)
    out=[]
    for L in range(-k,k+1):
        a,b=pairs(x,y,L); p=0.0
        for u,v in zip(a,b): p+=(u-mx)*(v-my)
        out.append((p*(1.0/n))/spread)
    return out
def ranks(v):
    order=sorted(range(len(v)),key=lambda i:v[i]); r=[0.0]*len(v); ties=0.0; s=0
    while s<len(order):
        e=s+1
        while e<len(order) and v[order[e]]==v[order[s]]: e+=1
        t=e-s; rank=float(t*(s+1)+t*(t-1)//2)/float(t)
        for m in range(s,e): r[order[m]]=rank
        tf=float(t); ties=(ties+tf*tf*tf)-tf; s=e
    return r,ties
def spearman(x,y,k):
    out=[]
    for L in range(-k,k+1):
        a,b=pairs(x,y,L); ra,ta=ranks(a); rb,tb=ranks(b); c=float(len(a))
        if ta==c*c*c-c or tb==c*c*c-c: out.append(float('nan')); continue
        D=0.0
        for p,q in zip(ra,rb): D+=(p-q)*(p-q)
        tx=((c*c*c-c)-ta)/12.0; ty=((c*c*c-c)-tb)/12.0
        out.append(((tx+ty)-D)/(2.0*math.sqrt(tx*ty)))
    return out
def fmt_signed2(r):
    t="%.2f"%abs(r)
    return ("-" if r<0 and t!="0.00" else "+")+t
def cstr(x): 
    s="%.7g"%x
    return s
def bar(r,mark):
    a=abs(int(r*25)); bl=max(0,25-a)
    if r<0: return " "*bl+mark*a+"|"+" "*25
    if r>0: return " "*25+"|"+mark*a+" "*bl
    if r==0: return " "*25+"|"+" "*25
    return ""
def report(x,y,seed,nsim,k,ktext,alpha,bonf,spear,m1,m2):
    obs=(spearman if spear else pearson)(x,y,k)
    g=Gen(seed); N=len(x); counts=[0]*(2*k+1)
    for _ in range(nsim):
        s1=series(g,N,*m1); s2=series(g,N,*m2)
        sim=(spearman if spear else pearson)(s1,s2,k)
        for j in range(2*k+1):
            r,q=obs[j],sim[j]
            counts[j]+= (not (r<q)) if r<0 else (not (q<r))
    thr=alpha/(2*k+1) if bonf else alpha
    L=["_"*39,"","Cross Correlations","Simulation Modeling for Significance Testing"]
    if bonf: L.append("Bonferroni Corrected for Multiple Comparisons")
    if spear: L.append("Non-parametric (Spearman Rho)")
    L+=["_"*37,"","Number of simulation models = %d"%nsim,"Number of lags to display = "+ktext,
        "Valid pairwise N = %d"%N,"Alpha = "+cstr(thr),"Var1 leading Var2",""]
    for j in range(2*k+1):
        r=obs[j]
        if not (r>-1.0001 and r<1.0001): continue
        lag=j-k; p=counts[j]/nsim
        label="0  " if lag==0 else ("-" if lag<0 else "+")+"%02d"%abs(lag)
        L.append("LAG:"+label+" r="+fmt_signed2(r)+"  p= "+"%.3f"%p+bar(r,"O" if p<thr else "."))
    return "".join(l+"\n" for l in L)
if __name__=="__main__":
    x=[3,5,2,5,7,4,6,3,8,5,2,6]; y=[12,15,11,14,18,12,17,13,19,16,10,9]
    x=[float(v) for v in x]; y=[float(v) for v in y]
    m1=(0.0,0.0,0.3,0.0,1.0); m2=(1.0,0.5,0.0,0.0,2.0)  # intercept, slope, phi, mean, sd
    for bonf,spear in [(True,False),(False,False),(True,True),(False,True)]:
        print(repr(report(x,y,2024,200,2,"2.0",0.05,bonf,spear,m1,m2)))
